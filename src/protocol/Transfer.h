// Wire encoding of the configuration transfer: the command codes, report framing and the page map that packs the
// configuration block into 21 chunks of two halves each.
#pragma once

#include "config/ConfigBlock.h"
#include "config/SettingCatalogue.h"
#include "protocol/Report.h"

#include <cstddef>
#include <cstdint>

// Byte 1 of an output report.
namespace Command {
constexpr uint8_t Identify = 0x53; // 'S'
constexpr uint8_t WriteStart = 0x45; // 'E'
constexpr uint8_t WriteFirst = 0x64; // 'd'
constexpr uint8_t WriteSecond = 0x44; // 'D'
constexpr uint8_t WriteEnd = 0x5A; // 'Z'
constexpr uint8_t ReadFirst = 0x72; // 'r'
constexpr uint8_t ReadSecond = 0x52; // 'R'
constexpr uint8_t SignalQuery = 0x41; // 'A'
} // namespace Command

constexpr int kChunkCount = 21;
constexpr int kCommandChunkFirst = 2; // chunks 2..17 carry the four command-word tables, four chunks each
constexpr int kMessageChunkFirst = 18; // chunks 18..20 carry the first 256 message bytes
constexpr int kEntriesPerHalf = 2;

// A half image starts at report byte 3 in a write half and at byte 2 in a read answer, whose header is one byte
// shorter; so a half image is at most 62 bytes long.
constexpr int kWriteImageStart = 3;
constexpr int kReadImageStart = 2;
constexpr int kHalfImageSize = kReportSize - kWriteImageStart;

enum class Half { First, Second };

// Writes byte 0 (the report ID, always 0) and byte 1 (the command); no other byte is touched.
void FrameReport(TReport& report, uint8_t command);
// As above, and byte 2 = the chunk number.
void FrameReport(TReport& report, uint8_t command, uint8_t chunk);

// Writes the image bytes that the page map names for chunk 0..20, half `half`; every other byte of `image` keeps
// its value. `image` holds kHalfImageSize bytes. A chunk outside 0..20 writes nothing.
void EncodeHalf(const TConfigBlock& config, int chunk, Half half, uint8_t* image);

// Stores the named image bytes of a read answer into the block; block bytes not named keep their value.
void DecodeHalf(TConfigBlock& config, int chunk, Half half, const uint8_t* image);

// Command-word entries `first` and `first` + 1 of one table at image offsets 0..15 and 16..31. An entry outside
// 0..15 is neither written nor stored.
void EncodeEntries(const TConfigBlock& config, int table, int first, uint8_t* image);
void DecodeEntries(TConfigBlock& config, int table, int first, const uint8_t* image);

// The block as the transfer carries it: every half encoded and decoded into a zero block. Flags become 0 or 1, a
// pulse period keeps bits 0..15, the inhibit input bits 0..7 and the message its first 256 bytes; what never
// travels is zero. Two blocks a controller cannot tell apart give the same bytes.
TConfigBlock TransferredBlock(const TConfigBlock& config);
// The settings that differ in what the transfer carries of each block: flags as on or off, pulse periods in 16 and
// the inhibit input in 8 bits, the first 256 bytes of the message. How a block is compared with a controller's.
std::vector<SettingDifference> CompareTransferred(const TConfigBlock& first, const TConfigBlock& second);
