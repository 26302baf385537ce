// The protocol state machine. Each input report moves it exactly one step; it never sends on its own, so the
// controller's answers pace every operation.
#include "protocol/DeviceProtocol.h"

#include "config/AnsiText.h"
#include "protocol/Transfer.h"

#include <QtEndian>

namespace {

constexpr char kProductName[] = "QUILMOX Parlowen";

// Identity reply: bytes 2..4 must read 0, 1, 11; the serial number and the version text follow.
constexpr int kIdentityCheckStart = 2;
constexpr uint8_t kIdentity[] = { 0, 1, 11 };
constexpr int kSerialStart = 6;
constexpr int kVersionStart = 10;
constexpr int kSignalByte = 2;

// The write states 6..13 and the read states 36..43 walk the four command-word tables, two states per table.
constexpr int32_t kWriteCommandFirst = 6;
constexpr int32_t kWriteCommandLast = 13;
constexpr int32_t kWriteEnd = 20;
constexpr int32_t kReadCommandFirst = 36;
constexpr int32_t kReadCommandLast = 43;
constexpr int32_t kReadOffset = ProtocolStates::ReadFirst - ProtocolStates::WriteFirst; // read state = write + 30

bool IsSecondHalf(int32_t transferState)
{
    return (transferState - ProtocolStates::WriteFirst) % 2 == 1;
}

// The chunk whose bytes a write state 2..5 or 14..19 carries.
int FixedChunk(int32_t writeState)
{
    if (writeState < kWriteCommandFirst)
        return (writeState - ProtocolStates::WriteFirst) / 2;
    return kMessageChunkFirst + (writeState - kWriteCommandLast - 1) / 2;
}

} // namespace

TDeviceProtocol::TDeviceProtocol(TConfigBlock& config, ProtocolHost& host)
    : Config(config)
    , Host(host)
    , ReadTarget(&config)
{
}

void TDeviceProtocol::StartWrite()
{
    StartOperation(ProtocolStates::WriteIdentify);
}
void TDeviceProtocol::StartRead()
{
    ReadTarget = &Config;
    StartOperation(ProtocolStates::ReadIdentify);
}

void TDeviceProtocol::StartCompare(TConfigBlock& read)
{
    ReadTarget = &read;
    StartOperation(ProtocolStates::ReadIdentify);
}
void TDeviceProtocol::StartSignalStrength()
{
    StartOperation(ProtocolStates::SignalIdentify);
}

void TDeviceProtocol::StartIdentify()
{
    StartOperation(ProtocolStates::IdentifyOnly);
}

void TDeviceProtocol::StartOperation(int32_t startState)
{
    // Bytes 2..64 still hold the previous report's tail; the controller ignores them in an identify report.
    FrameReport(TransmitBuffer, Command::Identify);
    Send();
    // Safe after the send: the answer is handled on this thread, so it cannot arrive before this assignment.
    ProtocolState = startState;
}

void TDeviceProtocol::HandleInputReport()
{
    using namespace ProtocolStates;
    const int32_t state = ProtocolState;
    if (state == WriteIdentify || state == ReadIdentify || state == SignalIdentify || state == IdentifyOnly)
        CheckIdentity();
    else if (state >= WriteFirst && state <= WriteLast)
        WriteStep();
    else if (state >= ReadFirst && state <= ReadLast)
        ReadStep();
    else if (state == SignalReply)
        Host.ShowSignalStrength(ReceiveBuffer[kSignalByte]);
    // Every other state drops the report.
}

Operation TDeviceProtocol::CurrentOperation() const
{
    using namespace ProtocolStates;
    if (ProtocolState >= WriteIdentify && ProtocolState <= WriteLast)
        return Operation::Write;
    if (ProtocolState >= ReadIdentify && ProtocolState <= ReadLast)
        return ReadTarget == &Config ? Operation::Read : Operation::Compare;
    if (ProtocolState == SignalIdentify || ProtocolState == SignalReply)
        return Operation::Signal;
    return ProtocolState == IdentifyOnly ? Operation::Identify : Operation::None;
}

bool TDeviceProtocol::OperationInProgress() const
{
    return CurrentOperation() != Operation::None && ProtocolState != ProtocolStates::SignalReply;
}

void TDeviceProtocol::CheckIdentity()
{
    const uint8_t* reply = ReceiveBuffer.data();
    for (int i = 0; i < int(sizeof kIdentity); ++i) {
        if (reply[kIdentityCheckStart + i] != kIdentity[i]) {
            Host.ShowError(tr("Application is not a %1").arg(QLatin1String(kProductName)));
            ProtocolState = ProtocolStates::Idle;
            return;
        }
    }
    Version = FromAnsi(FieldBytes(reply + kVersionStart, std::size_t(kReportSize - kVersionStart)));
    SerialNumber = qFromLittleEndian<qint32>(reply + kSerialStart);
    Host.AppendLog(tr("Dedudev Version:%1").arg(Version));
    Host.AppendLog(tr("Serial Number: %1").arg(SerialNumber));

    ChunkNumber = 0;
    EntryIndex = 0;
    switch (ProtocolState) {
    case ProtocolStates::WriteIdentify:
        FrameReport(TransmitBuffer, Command::WriteStart);
        Send();
        ProtocolState = ProtocolStates::WriteFirst;
        break;
    case ProtocolStates::ReadIdentify:
        SendReadRequest(Command::ReadFirst);
        ProtocolState = ProtocolStates::ReadFirst;
        break;
    case ProtocolStates::IdentifyOnly:
        ProtocolState = ProtocolStates::Idle;
        break;
    default:
        FrameReport(TransmitBuffer, Command::SignalQuery, ChunkNumber);
        Send();
        ProtocolState = ProtocolStates::SignalReply;
        break;
    }
}

void TDeviceProtocol::WriteStep()
{
    const int32_t state = ProtocolState;
    if (state >= kWriteCommandFirst && state <= kWriteCommandLast) {
        WriteCommandWords((state - kWriteCommandFirst) / 2, IsSecondHalf(state));
        return;
    }
    if (state == kWriteEnd) {
        FrameReport(TransmitBuffer, Command::WriteEnd);
        Send();
        ProtocolState = ProtocolStates::WriteLast;
        Host.AppendLog(tr("Data downloaded"));
        return;
    }
    if (state == ProtocolStates::WriteLast) {
        // The answer to the write end report is not examined: its arrival completes the write.
        Host.ShowInformation(tr("Download Complete"));
        ProtocolState = ProtocolStates::Idle;
        return;
    }
    const bool second = IsSecondHalf(state);
    const int chunk = FixedChunk(state);
    FrameReport(TransmitBuffer, second ? Command::WriteSecond : Command::WriteFirst, ChunkNumber);
    EncodeHalf(Config, chunk, second ? Half::Second : Half::First, TransmitBuffer.data() + kWriteImageStart);
    Send();
    if (second && chunk < kCommandChunkFirst) {
        ChunkNumber = uint8_t(chunk + 1);
        EntryIndex = 0;
    } else if (second) {
        ++ChunkNumber;
    }
    ProtocolState = state + 1;
}

void TDeviceProtocol::WriteCommandWords(int table, bool secondHalf)
{
    FrameReport(TransmitBuffer, secondHalf ? Command::WriteSecond : Command::WriteFirst, ChunkNumber);
    EncodeEntries(Config, table, EntryIndex, TransmitBuffer.data() + kWriteImageStart);
    EntryIndex += kEntriesPerHalf;
    Send();
    if (!secondHalf) {
        ++ProtocolState;
        return;
    }
    ++ChunkNumber;
    if (EntryIndex >= kChannelCount) {
        EntryIndex = 0;
        ++ProtocolState; // on to the next table, or to the message chunks
    } else {
        --ProtocolState; // the next chunk of the same table
    }
}

void TDeviceProtocol::ReadStep()
{
    const int32_t state = ProtocolState;
    if (state >= kReadCommandFirst && state <= kReadCommandLast) {
        ReadCommandWords((state - kReadCommandFirst) / 2, IsSecondHalf(state - kReadOffset));
        return;
    }
    const bool second = IsSecondHalf(state - kReadOffset);
    const int chunk = FixedChunk(state - kReadOffset);
    if (second && chunk == 1) {
        ++ChunkNumber;
        EntryIndex = 0;
    }
    DecodeHalf(*ReadTarget, chunk, second ? Half::Second : Half::First, ReceiveBuffer.data() + kReadImageStart);
    if (state == ProtocolStates::ReadLast) {
        ProtocolState = ProtocolStates::Idle;
        if (ReadTarget != &Config) {
            Host.CompareReadComplete(*ReadTarget);
            return;
        }
        Host.PresentConfig();
        Host.ShowInformation(tr("Read Complete"));
        return;
    }
    if (second && chunk != 1)
        ++ChunkNumber;
    SendReadRequest(second ? Command::ReadFirst : Command::ReadSecond);
    ProtocolState = state + 1;
}

void TDeviceProtocol::ReadCommandWords(int table, bool secondHalf)
{
    DecodeEntries(*ReadTarget, table, EntryIndex, ReceiveBuffer.data() + kReadImageStart);
    EntryIndex += kEntriesPerHalf;
    if (!secondHalf) {
        SendReadRequest(Command::ReadSecond);
        ++ProtocolState;
        return;
    }
    ++ChunkNumber;
    // The request goes out before the test, which only picks the state that handles its answer.
    SendReadRequest(Command::ReadFirst);
    if (EntryIndex >= kChannelCount) {
        EntryIndex = 0;
        ++ProtocolState;
    } else {
        --ProtocolState;
    }
}

void TDeviceProtocol::SendReadRequest(uint8_t command)
{
    // A read request names only its chunk; bytes 3..64 go out as the buffer holds them.
    FrameReport(TransmitBuffer, command, ChunkNumber);
    Send();
}

void TDeviceProtocol::Send()
{
    Host.SendReport(TransmitBuffer);
}
