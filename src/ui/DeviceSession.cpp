// One operation at a time: while the controller is looked for, while the protocol runs an operation, while an
// answer is on its way and while a report is being handled, nothing else starts. An operation that loses its
// controller ends at once with a box and a log line naming it.
#include "ui/DeviceSession.h"

#include "device/HidapiPort.h"
#include "protocol/Transfer.h"
#include "ui/ToolkitServices.h"

TDeviceSession::TDeviceSession(HidPort* givenPort, QObject* parent)
    : QObject(parent)
    , port(givenPort)
{
    if (!port) {
        ownedPort = std::make_unique<HidapiPort>();
        port = ownedPort.get();
    }
    link = std::make_unique<TDeviceLink>(
        *port, protocol.ReceiveBuffer.data(), [this] { InputReport(); }, LinkThreading::Own);
    // An unplug while nothing is under way stays silent; the next command discovers again.
    connect(link.get(), &TDeviceLink::Lost, this, [this] { LinkEnded(tr("QUILMOX was disconnected."), true); });
    connect(link.get(), &TDeviceLink::Silent, this, [this] { LinkEnded(tr("QUILMOX stopped answering."), false); });
}

TDeviceSession::~TDeviceSession()
{
    // The reader is stopped and joined, and both handles closed, before the protocol and the blocks go.
    link.reset();
}

// Each refuses while the session is busy before it touches a block: the running operation still works on them.
void TDeviceSession::Write(const TConfigBlock& written)
{
    if (Busy())
        return;
    block = written;
    Start(Operation::Write, [this] { protocol.StartWrite(); });
}

void TDeviceSession::Read(const TConfigBlock& current)
{
    if (Busy())
        return;
    block = current;
    Start(Operation::Read, [this] { protocol.StartRead(); });
}

void TDeviceSession::Compare(const TConfigBlock& form, const TConfigBlock& current)
{
    if (Busy())
        return;
    compareForm = form;
    // Read over a copy of the working block, so that loading it gives what a Read would have.
    compareRead = current;
    Start(Operation::Compare, [this] { protocol.StartCompare(compareRead); });
}

void TDeviceSession::QuerySignal(bool quiet)
{
    if (Busy())
        return;
    quietIdentity = quiet;
    Start(Operation::Signal, [this] { protocol.StartSignalStrength(); });
}

void TDeviceSession::Start(Operation operation, std::function<void()> begin)
{
    starting = operation;
    emit busyChanged();
    link->ConnectDevice([this, begin = std::move(begin)](ConnectResult result, const QString& cause) {
        starting = Operation::None;
        if (result == ConnectResult::Ready)
            begin();
        emit busyChanged();
        if (result == ConnectResult::ProgramMode)
            ShowError(tr("QUILMOX is in Program Mode"));
        else if (result == ConnectResult::NotFound)
            ShowError(
                cause.isEmpty() ? tr("Cannot find QUILMOX") : tr("Cannot find QUILMOX") + QLatin1Char('\n') + cause);
    });
}

void TDeviceSession::SetHeld(bool hold)
{
    held = hold;
    if (held) {
        // The other user opens the controller itself; a reader of ours would take its answers.
        link->Close();
        protocol.ProtocolState = ProtocolStates::Idle;
        emit refreshingEnded();
    }
    emit busyChanged();
}

bool TDeviceSession::Busy() const
{
    // A signal query's answer still on its way would be taken as the next operation's identity reply; a query sent
    // from within a box that holds the reader ("Read Complete") would wait for the box and then count as silent.
    return held || starting != Operation::None || protocol.OperationInProgress() || link->AwaitingAnswer()
        || inHandOver;
}

Operation TDeviceSession::Running() const
{
    return starting != Operation::None ? starting : protocol.CurrentOperation();
}

void TDeviceSession::InputReport()
{
    inHandOver = true;
    protocol.HandleInputReport();
    inHandOver = false;
    if (protocol.SerialNumber != lastSerial) {
        lastSerial = protocol.SerialNumber;
        emit controllerChanged();
    }
    emit busyChanged();
}

void TDeviceSession::LinkEnded(const QString& text, bool onlyWhenUnfinished)
{
    // An operation still looking for the controller ends too: the close drops the discovery's outcome.
    const bool unfinished = starting != Operation::None || protocol.OperationInProgress() || link->AwaitingAnswer();
    const Operation operation = Running();
    starting = Operation::None;
    link->Close();
    protocol.ProtocolState = ProtocolStates::Idle;
    emit refreshingEnded();
    emit busyChanged();
    if ((onlyWhenUnfinished && !unfinished) || operation == Operation::None)
        return;
    ShowError(text);
    if (operation == Operation::Write)
        emit logLine(tr("Write not completed."));
    else if (operation == Operation::Read)
        emit logLine(tr("Read not completed."));
    else if (operation == Operation::Compare)
        emit logLine(tr("Compare not completed."));
    else
        emit logLine(tr("Signal strength not completed."));
}

void TDeviceSession::SendReport(const TReport& report)
{
    link->SendReport(report);
}

void TDeviceSession::AppendLog(const QString& line)
{
    // Every two seconds two identity lines would soon bury the log.
    if (quietIdentity && protocol.CurrentOperation() == Operation::Signal)
        return;
    emit logLine(line);
}

void TDeviceSession::ShowError(const QString& text)
{
    // Whatever failed, Keep refreshing stops first: its next tick would only bring the same box again.
    emit refreshingEnded();
    MessageDlg(text, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, 0);
}

void TDeviceSession::ShowInformation(const QString& text)
{
    MessageDlg(text, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, 0);
}

void TDeviceSession::PresentConfig()
{
    emit readComplete(block);
}

void TDeviceSession::ShowSignalStrength(int value)
{
    emit signalValue(value);
}

void TDeviceSession::CompareReadComplete(const TConfigBlock& read)
{
    emit compareComplete(read, CompareTransferred(compareForm, read));
}
