// The page map as data, and the packing of flags, pulse periods and the inhibit input into the half images.
#include "protocol/Transfer.h"

#include <QtEndian>
#include <cstring>
#include <iterator>

namespace {

enum class Encoding {
    Marker, // the constant 0x55 when writing; skipped when reading
    FlagPair, // sixteen one-byte flags as two packed bytes: elements 8..15 first, then 0..7
    PulsePeriods, // sixteen 32-bit periods as two big-endian bytes each (bits 0..15 only)
    Bytes, // raw bytes, zeros included
    LowByte, // a 32-bit value as its low byte
    FlagBit, // a one-byte flag as bit 0
    FillFF, // 0xFF in every byte when writing; skipped when reading
};

// One run of a half image: `length` image bytes from `offset`, holding block bytes from `blockOffset` encoded as
// `encoding` (for FlagPair and PulsePeriods, `length` is the image length: 2 and 32).
struct PageEntry
{
    int chunk;
    Half half;
    int offset;
    Encoding encoding;
    int blockOffset;
    int length;
};

constexpr uint8_t kMarker = 0x55;
constexpr int kFlagsPerByte = 8;

constexpr int Block(std::size_t offset)
{
    return static_cast<int>(offset);
}
constexpr int Message(int first)
{
    return Block(offsetof(TConfigBlock, SMSMessage)) + first;
}

const PageEntry kPageMap[] = {
    { 0, Half::First, 0, Encoding::Marker, 0, 1 },
    { 0, Half::First, 1, Encoding::FlagPair, Block(offsetof(TConfigBlock, InputActiveMessage)), 2 },
    { 0, Half::First, 3, Encoding::FlagPair, Block(offsetof(TConfigBlock, InputInactiveMessage)), 2 },
    { 0, Half::First, 5, Encoding::FlagPair, Block(offsetof(TConfigBlock, OutputOnEnabled)), 2 },
    { 0, Half::First, 7, Encoding::FlagPair, Block(offsetof(TConfigBlock, OutputOffEnabled)), 2 },
    { 0, Half::First, 9, Encoding::FlagPair, Block(offsetof(TConfigBlock, OutputToggleEnabled)), 2 },
    { 0, Half::First, 11, Encoding::FlagPair, Block(offsetof(TConfigBlock, OutputPulseEnabled)), 2 },
    { 0, Half::First, 13, Encoding::PulsePeriods, Block(offsetof(TConfigBlock, OutputPulsePeriod)), 32 },
    // Image offsets 32..36 of this half are never written: the controller gets whatever the buffer held there.
    { 0, Half::Second, 0, Encoding::Bytes, Block(offsetof(TConfigBlock, PhoneNumber)), 32 },
    { 0, Half::Second, 37, Encoding::LowByte, Block(offsetof(TConfigBlock, InhibitInput)), 1 },
    { 0, Half::Second, 38, Encoding::FlagPair, Block(offsetof(TConfigBlock, InvertInputs)), 2 },
    { 0, Half::Second, 40, Encoding::FlagPair, Block(offsetof(TConfigBlock, InvertOutputs)), 2 },
    { 0, Half::Second, 42, Encoding::FlagPair, Block(offsetof(TConfigBlock, OutputStartStatus)), 2 },
    { 0, Half::Second, 44, Encoding::FlagBit, Block(offsetof(TConfigBlock, RequestStatusEnabled)), 1 },
    { 1, Half::First, 0, Encoding::Bytes, Block(offsetof(TConfigBlock, DeviceName)), 32 },
    { 1, Half::First, 32, Encoding::Bytes, Block(offsetof(TConfigBlock, Password)), 16 },
    // Offset 16 is skipped, so it still carries the first half's device-name byte 16.
    { 1, Half::Second, 0, Encoding::Bytes, Block(offsetof(TConfigBlock, RequestStatus)), 16 },
    { 1, Half::Second, 17, Encoding::FillFF, 0, 45 },
    { 18, Half::First, 0, Encoding::Bytes, Message(0), 48 },
    { 18, Half::Second, 0, Encoding::Bytes, Message(48), 48 },
    { 19, Half::First, 0, Encoding::Bytes, Message(96), 48 },
    { 19, Half::Second, 0, Encoding::Bytes, Message(144), 48 },
    { 20, Half::First, 0, Encoding::Bytes, Message(192), 48 },
    { 20, Half::Second, 0, Encoding::Bytes, Message(240), 16 },
};

const std::size_t kCommandTables[] = {
    offsetof(TConfigBlock, OutputOn),
    offsetof(TConfigBlock, OutputOff),
    offsetof(TConfigBlock, OutputToggle),
    offsetof(TConfigBlock, OutputPulse),
};
constexpr int kCommandTableCount = static_cast<int>(std::size(kCommandTables));
constexpr int kChunksPerTable = kChannelCount / (2 * kEntriesPerHalf);

uint8_t PackFlags(const uint8_t* flags)
{
    uint8_t packed = 0;
    for (int j = 0; j < kFlagsPerByte; ++j) {
        if (flags[j] != 0)
            packed |= uint8_t(1u << j);
    }
    return packed;
}

void UnpackFlags(uint8_t packed, uint8_t* flags)
{
    for (int j = 0; j < kFlagsPerByte; ++j)
        flags[j] = (packed >> j) & 1u;
}

qint32 ReadInt(const uint8_t* block)
{
    return qFromLittleEndian<qint32>(block);
}
void WriteInt(uint8_t* block, qint32 value)
{
    qToLittleEndian<qint32>(value, block);
}

void Encode(const PageEntry& entry, const uint8_t* block, uint8_t* image)
{
    const uint8_t* from = block + entry.blockOffset;
    uint8_t* to = image + entry.offset;
    switch (entry.encoding) {
    case Encoding::Marker:
        to[0] = kMarker;
        break;
    case Encoding::FlagPair:
        // The upper group (inputs or outputs 9..16) travels first.
        to[0] = PackFlags(from + kFlagsPerByte);
        to[1] = PackFlags(from);
        break;
    case Encoding::PulsePeriods:
        for (int i = 0; i < kChannelCount; ++i) {
            const quint32 period = quint32(ReadInt(from + 4 * i));
            to[2 * i] = uint8_t(period >> 8);
            to[2 * i + 1] = uint8_t(period);
        }
        break;
    case Encoding::Bytes:
        std::memcpy(to, from, std::size_t(entry.length));
        break;
    case Encoding::LowByte:
        to[0] = uint8_t(ReadInt(from));
        break;
    case Encoding::FlagBit:
        to[0] = from[0] != 0 ? 1 : 0;
        break;
    case Encoding::FillFF:
        std::memset(to, 0xFF, std::size_t(entry.length));
        break;
    }
}

void Decode(const PageEntry& entry, const uint8_t* image, uint8_t* block)
{
    const uint8_t* from = image + entry.offset;
    uint8_t* to = block + entry.blockOffset;
    switch (entry.encoding) {
    case Encoding::Marker:
    case Encoding::FillFF:
        break;
    case Encoding::FlagPair:
        UnpackFlags(from[0], to + kFlagsPerByte);
        UnpackFlags(from[1], to);
        break;
    case Encoding::PulsePeriods:
        for (int i = 0; i < kChannelCount; ++i)
            WriteInt(to + 4 * i, qint32(from[2 * i]) * 256 + from[2 * i + 1]);
        break;
    case Encoding::Bytes:
        std::memcpy(to, from, std::size_t(entry.length));
        break;
    case Encoding::LowByte:
        WriteInt(to, from[0]);
        break;
    case Encoding::FlagBit:
        to[0] = from[0] & 1u;
        break;
    }
}

bool IsCommandChunk(int chunk)
{
    return chunk >= kCommandChunkFirst && chunk < kCommandChunkFirst + kCommandTableCount * kChunksPerTable;
}

// Entry pair of a command-word chunk: chunk n of a table holds entries 4n, 4n+1 and then 4n+2, 4n+3.
int FirstEntry(int chunk, Half half)
{
    const int withinTable = (chunk - kCommandChunkFirst) % kChunksPerTable;
    return withinTable * 2 * kEntriesPerHalf + (half == Half::Second ? kEntriesPerHalf : 0);
}

int TableOf(int chunk)
{
    return (chunk - kCommandChunkFirst) / kChunksPerTable;
}

// Written so that no index near the int limits can overflow.
bool ValidEntry(int first, int k)
{
    return first >= -k && first < kChannelCount - k;
}

} // namespace

void FrameReport(TReport& report, uint8_t command)
{
    report[0] = 0;
    report[1] = command;
}

void FrameReport(TReport& report, uint8_t command, uint8_t chunk)
{
    FrameReport(report, command);
    report[2] = chunk;
}

void EncodeHalf(const TConfigBlock& config, int chunk, Half half, uint8_t* image)
{
    if (IsCommandChunk(chunk)) {
        EncodeEntries(config, TableOf(chunk), FirstEntry(chunk, half), image);
        return;
    }
    for (const PageEntry& entry : kPageMap) {
        if (entry.chunk == chunk && entry.half == half)
            Encode(entry, BlockBytes(config), image);
    }
}

void DecodeHalf(TConfigBlock& config, int chunk, Half half, const uint8_t* image)
{
    if (IsCommandChunk(chunk)) {
        DecodeEntries(config, TableOf(chunk), FirstEntry(chunk, half), image);
        return;
    }
    for (const PageEntry& entry : kPageMap) {
        if (entry.chunk == chunk && entry.half == half)
            Decode(entry, image, BlockBytes(config));
    }
}

void EncodeEntries(const TConfigBlock& config, int table, int first, uint8_t* image)
{
    if (table < 0 || table >= kCommandTableCount)
        return;
    for (int k = 0; k < kEntriesPerHalf; ++k) {
        if (ValidEntry(first, k))
            std::memcpy(image + k * kCommandWordSize,
                BlockBytes(config) + kCommandTables[table] + std::size_t(first + k) * kCommandWordSize,
                kCommandWordSize);
    }
}

void DecodeEntries(TConfigBlock& config, int table, int first, const uint8_t* image)
{
    if (table < 0 || table >= kCommandTableCount)
        return;
    for (int k = 0; k < kEntriesPerHalf; ++k) {
        if (ValidEntry(first, k))
            std::memcpy(BlockBytes(config) + kCommandTables[table] + std::size_t(first + k) * kCommandWordSize,
                image + k * kCommandWordSize, kCommandWordSize);
    }
}

TConfigBlock TransferredBlock(const TConfigBlock& config)
{
    TConfigBlock carried {};
    for (int chunk = 0; chunk < kChunkCount; ++chunk) {
        for (const Half half : { Half::First, Half::Second }) {
            uint8_t image[kHalfImageSize] = {};
            EncodeHalf(config, chunk, half, image);
            DecodeHalf(carried, chunk, half, image);
        }
    }
    return carried;
}

std::vector<SettingDifference> CompareTransferred(const TConfigBlock& first, const TConfigBlock& second)
{
    return CompareSettings(TransferredBlock(first), TransferredBlock(second));
}
