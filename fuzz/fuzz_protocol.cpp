// Feeds arbitrary input reports to the protocol state machine, started in any state with any counters, mixed with
// fresh starts of the three operations. It checks what must hold whatever the controller sends: every output
// report is framed with a known command, the signal value is a byte, a write never changes the block, and the
// block bytes that never travel are never touched.
#include "FuzzCheck.h"
#include "config/ConfigBlock.h"
#include "protocol/DeviceProtocol.h"
#include "protocol/Transfer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kRecordSize = 1 + kReportSize; // an opcode, then the input report
constexpr int kMessageTail = offsetof(TConfigBlock, SMSMessage) + 256;
constexpr int kMessageTailSize = 256;

struct CheckingHost : ProtocolHost
{
    void SendReport(const TReport& report) override
    {
        FUZZ_CHECK(report[0] == 0);
        const uint8_t c = report[1];
        FUZZ_CHECK(c == Command::Identify || c == Command::WriteStart || c == Command::WriteFirst
            || c == Command::WriteSecond || c == Command::WriteEnd || c == Command::ReadFirst
            || c == Command::ReadSecond || c == Command::SignalQuery);
        ++sent;
    }
    void AppendLog(const QString& line) override { FUZZ_CHECK(!line.isEmpty()); }
    void ShowError(const QString& text) override { FUZZ_CHECK(!text.isEmpty()); }
    void ShowInformation(const QString& text) override { FUZZ_CHECK(!text.isEmpty()); }
    void PresentConfig() override { }
    void ShowSignalStrength(int value) override { FUZZ_CHECK(value >= 0 && value <= 255); }
    int sent = 0;
};

// Only the read states 32..49 store into the block.
bool ChangesNoBlock(int32_t state)
{
    return state < 32 || state > 49;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    TConfigBlock config {};
    for (int i = 0; i < kConfigBlockSize; ++i)
        BlockBytes(config)[i] = uint8_t(i * 31 + data[3]);
    const TConfigBlock original = config;

    CheckingHost host;
    TDeviceProtocol protocol(config, host);
    // Byte 0 picks the state (0..63 mostly, now and then one far outside), 1 the chunk, 2 the entry index.
    protocol.ProtocolState = data[0] < 224 ? data[0] % 64 : int32_t(int8_t(data[0])) * 1000;
    protocol.ChunkNumber = data[1];
    protocol.EntryIndex = int8_t(data[2]);
    data += 4;
    size -= 4;

    for (; size > 0; data += kRecordSize, size -= std::min(size, std::size_t(kRecordSize))) {
        switch (data[0] % 8) {
        case 5:
            protocol.StartWrite();
            break;
        case 6:
            protocol.StartRead();
            break;
        case 7:
            protocol.StartSignalStrength();
            break;
        default:
            break;
        }
        // A short tail keeps the previous report's bytes, as a short read from the device does.
        std::memcpy(protocol.ReceiveBuffer.data(), data + 1, std::min(size - 1, std::size_t(kReportSize)));
        const int32_t state = protocol.ProtocolState;
        const TConfigBlock before = config;
        const int sentBefore = host.sent;
        protocol.HandleInputReport();
        FUZZ_CHECK(host.sent - sentBefore <= 1); // one report out at most per report in
        if (ChangesNoBlock(state))
            FUZZ_CHECK(std::memcmp(&before, &config, sizeof config) == 0);
        FUZZ_CHECK(
            std::memcmp(BlockBytes(config) + kMessageTail, BlockBytes(original) + kMessageTail, kMessageTailSize) == 0);
        FUZZ_CHECK(std::memcmp(config.Padding, original.Padding, sizeof config.Padding) == 0);
    }
    return 0;
}
