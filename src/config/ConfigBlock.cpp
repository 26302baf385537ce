#include "config/ConfigBlock.h"

#include <cstdio>
#include <cstring>

namespace {

// Copies a literal with its zero byte to the start of a field; the field's later bytes are left as they are.
template <std::size_t N, std::size_t M>
void CopyLiteral(uint8_t (&field)[N], const char (&text)[M])
{
    static_assert(M <= N, "literal does not fit its field");
    std::memcpy(field, text, M);
}

void CopyWord(uint8_t (&entry)[kCommandWordSize], const char* prefix, int number)
{
    char word[kCommandWordSize];
    const int length = std::snprintf(word, sizeof word, "%s%i", prefix, number);
    std::memcpy(entry, word, static_cast<std::size_t>(length) + 1);
}

} // namespace

void SetDefaults(TConfigBlock& config)
{
    for (int i = 0; i < kChannelCount; ++i) {
        const int number = i + 1;
        config.InvertInputs[i] = 0;
        config.InvertOutputs[i] = 0;
        config.OutputStartStatus[i] = 0;
        CopyWord(config.OutputOn[i], "IPOn", number);
        CopyWord(config.OutputOff[i], "IPOff", number);
        CopyWord(config.OutputToggle[i], "IPTog", number);
        CopyWord(config.OutputPulse[i], "IPPls", number);
        config.OutputPulsePeriod[i] = 1000;
        config.OutputOnEnabled[i] = 0;
        config.OutputOffEnabled[i] = 0;
        config.OutputToggleEnabled[i] = 0;
        config.OutputPulseEnabled[i] = 0;
    }
    config.RequestStatusEnabled = 0;
    std::memset(config.PhoneNumber, 0, sizeof config.PhoneNumber);
    std::memset(config.SMSMessage, 0, sizeof config.SMSMessage);
    std::memset(config.Password, 0, sizeof config.Password);
    CopyLiteral(config.SMSMessage, "This is a text message");
    CopyLiteral(config.DeviceName, "QUILMOX");
    CopyLiteral(config.Password, "Tarnvale");
    CopyLiteral(config.RequestStatus, "Send");
    config.InhibitInput = 0;
}

void TakeSnapshot(const TConfigBlock& config, TConfigBlock& snapshot)
{
    std::memcpy(&snapshot, &config, sizeof(TConfigBlock));
}

bool ConfigChanged(const TConfigBlock& config, const TConfigBlock& snapshot)
{
    return std::memcmp(&config, &snapshot, sizeof(TConfigBlock)) != 0;
}
