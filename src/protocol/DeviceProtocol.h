// The report protocol with the controller: one state machine that consumes every input report, starts the write,
// read and signal-strength operations and runs the configuration transfer. Pure logic: the window supplies the
// report output, the log and the boxes through ProtocolHost.
#pragma once

#include "config/ConfigBlock.h"
#include "protocol/Report.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>

// What the state machine needs from the window; all calls on the GUI thread.
class ProtocolHost
{
public:
    virtual ~ProtocolHost() = default;
    virtual void SendReport(const TReport& report) = 0; // writes one 65-byte output report
    virtual void AppendLog(const QString& line) = 0; // one line appended to the log
    virtual void ShowError(const QString& text) = 0; // modal error box (OK); returns when closed
    virtual void ShowInformation(const QString& text) = 0; // modal information box (OK); returns when closed
    virtual void PresentConfig() = 0; // shows the working block on the form
    virtual void ShowSignalStrength(int value) = 0; // the signal strength window's bar
    // A compare's read has ended with this block; only a host that starts compares hears of it.
    virtual void CompareReadComplete(const TConfigBlock& /*read*/) { }
};

// Protocol states: 0 idle; 1, 30, 60 waiting for the identity reply of a write, read or signal query; 2..21 the
// write sequence; 32..49 the read sequence; 61 showing signal replies; 70 waiting for the identity reply alone.
// Every other value drops reports.
namespace ProtocolStates {
constexpr int32_t Idle = 0;
constexpr int32_t WriteIdentify = 1;
constexpr int32_t WriteFirst = 2;
constexpr int32_t WriteLast = 21;
constexpr int32_t ReadIdentify = 30;
constexpr int32_t ReadFirst = 32;
constexpr int32_t ReadLast = 49;
constexpr int32_t SignalIdentify = 60;
constexpr int32_t SignalReply = 61;
constexpr int32_t IdentifyOnly = 70;
} // namespace ProtocolStates

// The operation a state belongs to.
enum class Operation { None, Write, Read, Signal, Identify, Compare };

// What it tells the host (log lines, boxes) is in the language of the installed translation; the command line
// installs none.
class TDeviceProtocol
{
    Q_DECLARE_TR_FUNCTIONS(TDeviceProtocol)

public:
    TDeviceProtocol(TConfigBlock& config, ProtocolHost& host);

    // The identify step with start state 1, 30 or 60 (the caller has collected the form and connected). Whatever
    // runs is abandoned: the next input report is taken as the identity reply.
    void StartWrite();
    void StartRead();
    void StartSignalStrength();
    // The identity exchange alone: the reply is checked and logged, and nothing follows it.
    void StartIdentify();
    // A read whose answers go into `read` rather than the working block, for comparing the controller with the
    // form: the same reports as StartRead, and at the end the host gets the block instead of the form showing it.
    // `read` must outlive the operation.
    void StartCompare(TConfigBlock& read);

    // One protocol step for the report in ReceiveBuffer; the reader thread fills ReceiveBuffer just before.
    void HandleInputReport();

    Operation CurrentOperation() const;
    // From the identify report until the operation's last answer or refusal. Listening for signal values after
    // the query was answered (state 61) is not an operation in progress.
    bool OperationInProgress() const;

    TReport TransmitBuffer {}; // one buffer for the window's life: bytes a step does not write keep their value
    TReport ReceiveBuffer {};
    int32_t ProtocolState = 0;
    uint8_t ChunkNumber = 0;
    int32_t EntryIndex = 0;
    // What the last accepted identity reply said.
    QString Version;
    int32_t SerialNumber = 0;

private:
    void StartOperation(int32_t startState);
    void CheckIdentity();
    void WriteStep();
    void ReadStep();
    void WriteCommandWords(int table, bool secondHalf);
    void ReadCommandWords(int table, bool secondHalf);
    void Send();
    void SendReadRequest(uint8_t command);

    TConfigBlock& Config;
    ProtocolHost& Host;
    TConfigBlock* ReadTarget; // the block the read sequence stores into
};
