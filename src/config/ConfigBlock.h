// The configuration block: every setting of one controller in one fixed 1848-byte record. The same bytes are the
// body of a settings file and the source and destination of the transfer to and from the controller.
#pragma once

#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <type_traits>

constexpr int kChannelCount = 16;    // inputs, and outputs: element n - 1 of an array belongs to number n
constexpr int kCommandWordSize = 16; // one command-word entry
constexpr int kConfigBlockSize = 1848;
// The message field keeps its last two bytes zero: 509 bytes of text and the terminating zero byte.
constexpr int kMessageTextLimit = 509;

using TCommandWords = uint8_t[kChannelCount][kCommandWordSize];

// Flags are single bytes (0 off, anything else on); texts are fixed-width Windows-1252 fields that end at their
// first zero byte or at the field's end; integers are signed 32-bit little-endian whatever the host's byte order.
struct TConfigBlock
{
    uint8_t InvertInputs[kChannelCount];
    uint8_t InvertOutputs[kChannelCount];
    uint8_t OutputStartStatus[kChannelCount];
    uint8_t InputActiveMessage[kChannelCount];
    uint8_t InputInactiveMessage[kChannelCount];
    uint8_t PhoneNumber[32];
    uint8_t SMSMessage[512];
    uint8_t DeviceName[32];
    TCommandWords OutputOn;
    TCommandWords OutputOff;
    TCommandWords OutputToggle;
    TCommandWords OutputPulse;
    qint32_le OutputPulsePeriod[kChannelCount];
    uint8_t OutputOnEnabled[kChannelCount];
    uint8_t OutputOffEnabled[kChannelCount];
    uint8_t OutputToggleEnabled[kChannelCount];
    uint8_t OutputPulseEnabled[kChannelCount];
    uint8_t Password[16];
    qint32_le InhibitInput;
    uint8_t RequestStatus[16];
    uint8_t RequestStatusEnabled;
    uint8_t Padding[3];
};

static_assert(std::is_standard_layout_v<TConfigBlock>);
static_assert(std::is_trivially_copyable_v<TConfigBlock>);
static_assert(sizeof(TConfigBlock) == kConfigBlockSize);
static_assert(offsetof(TConfigBlock, InvertInputs) == 0);
static_assert(offsetof(TConfigBlock, InvertOutputs) == 16);
static_assert(offsetof(TConfigBlock, OutputStartStatus) == 32);
static_assert(offsetof(TConfigBlock, InputActiveMessage) == 48);
static_assert(offsetof(TConfigBlock, InputInactiveMessage) == 64);
static_assert(offsetof(TConfigBlock, PhoneNumber) == 80);
static_assert(offsetof(TConfigBlock, SMSMessage) == 112);
static_assert(offsetof(TConfigBlock, DeviceName) == 624);
static_assert(offsetof(TConfigBlock, OutputOn) == 656);
static_assert(offsetof(TConfigBlock, OutputOff) == 912);
static_assert(offsetof(TConfigBlock, OutputToggle) == 1168);
static_assert(offsetof(TConfigBlock, OutputPulse) == 1424);
static_assert(offsetof(TConfigBlock, OutputPulsePeriod) == 1680);
static_assert(offsetof(TConfigBlock, OutputOnEnabled) == 1744);
static_assert(offsetof(TConfigBlock, OutputOffEnabled) == 1760);
static_assert(offsetof(TConfigBlock, OutputToggleEnabled) == 1776);
static_assert(offsetof(TConfigBlock, OutputPulseEnabled) == 1792);
static_assert(offsetof(TConfigBlock, Password) == 1808);
static_assert(offsetof(TConfigBlock, InhibitInput) == 1824);
static_assert(offsetof(TConfigBlock, RequestStatus) == 1828);
static_assert(offsetof(TConfigBlock, RequestStatusEnabled) == 1844);
static_assert(offsetof(TConfigBlock, Padding) == 1845);

// The block's raw bytes, in the layout above.
inline const uint8_t* BlockBytes(const TConfigBlock& block) { return reinterpret_cast<const uint8_t*>(&block); }
inline uint8_t* BlockBytes(TConfigBlock& block) { return reinterpret_cast<uint8_t*>(&block); }

// Writes the default configuration (sample message, device name, password, keyword and the command words
// IPOn1 ... IPPls16, all disabled, pulse periods 1000). Only the default fields are written: run it on a new,
// all-zero block.
void SetDefaults(TConfigBlock& config);
// A new block with the defaults, as a fresh window starts.
inline TConfigBlock DefaultBlock()
{
    TConfigBlock config {};
    SetDefaults(config);
    return config;
}

// Copies all 1848 bytes of the working block into the snapshot.
void TakeSnapshot(const TConfigBlock& config, TConfigBlock& snapshot);

// True when any of the 1848 raw bytes differ: Padding and the bytes after a text's zero count like any other.
bool ConfigChanged(const TConfigBlock& config, const TConfigBlock& snapshot);
