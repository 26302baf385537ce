#include "cli/ControllerSession.h"

namespace {

// Reports of each operation: identify alone; identify and signal query; identify, write start, 42 halves and write
// end; identify and 42 read requests.
constexpr int kIdentifyReports = 1;
constexpr int kSignalReports = 2;
constexpr int kWriteReports = 45;
constexpr int kReadReports = 43;

} // namespace

ControllerSession::ControllerSession(const CommandContext& context)
    : context(context)
    , port(context.port)
    , host(context, port)
    , protocol(config, host)
    , link(port, protocol.ReceiveBuffer.data(), [this] { InputReportHandled(); })
{
    host.SetLink(&link);
    link.SetAnswerTimeout(context.timeoutMs);
    link.SetDevicePath(context.devicePath);
    QObject::connect(&link, &TDeviceLink::Lost, &link, [this] { LinkFailed(QStringLiteral("was unplugged")); });
    QObject::connect(&link, &TDeviceLink::Silent, &link, [this] { LinkFailed(QStringLiteral("stopped answering")); });
}

int ControllerSession::Connect()
{
    switch (link.ConnectDevice()) {
    case ConnectResult::Ready:
        return ExitStatus::Success;
    case ConnectResult::ProgramMode:
        context.Fail(QStringLiteral("QUILMOX is in Program Mode"));
        break;
    case ConnectResult::NotFound:
        // The cause, when a controller is present but would not open, goes beneath the window's words.
        context.Fail(QStringLiteral("Cannot find QUILMOX")
            + (link.UnopenedCause().isEmpty() ? QString() : QLatin1Char('\n') + link.UnopenedCause()));
        break;
    }
    return ExitStatus::NoController;
}

int ControllerSession::Identify()
{
    host.showLog = false;
    return Run(&TDeviceProtocol::StartIdentify, kIdentifyReports);
}

int ControllerSession::Write(const TConfigBlock& written)
{
    config = written;
    return Run(&TDeviceProtocol::StartWrite, kWriteReports);
}

int ControllerSession::Read(TConfigBlock& read)
{
    config = DefaultBlock();
    const int result = Run(&TDeviceProtocol::StartRead, kReadReports);
    read = config;
    return result;
}

int ControllerSession::Signal(bool watch)
{
    host.signalValue = [this](int value) {
        context.out << value << Qt::endl;
        signalShown = true;
    };
    watching = watch;
    return Run(&TDeviceProtocol::StartSignalStrength, kSignalReports);
}

int ControllerSession::Run(void (TDeviceProtocol::*start)(), int totalReports)
{
    total = totalReports;
    status = ExitStatus::Success;
    host.BeginOperation(totalReports, start == &TDeviceProtocol::StartWrite || start == &TDeviceProtocol::StartRead);
    running = true;
    // A controller that went between two operations (a write and its verifying read) would get no report, and no
    // time-out would ever start.
    if (!link.Connected()) {
        LinkFailed(QStringLiteral("was unplugged"));
        return status;
    }
    (protocol.*start)();
    // Nothing ends an operation before its first answer is handled, and that happens only inside this loop.
    if (running)
        loop.exec();
    host.EndProgress();
    return status;
}

void ControllerSession::InputReportHandled()
{
    protocol.HandleInputReport();
    // A report after the end of an operation (or before the next) changes nothing here.
    if (!running)
        return;
    if (!host.Refusal().isEmpty())
        Finish(ExitStatus::DeviceFailed, host.Refusal());
    else if (protocol.ProtocolState == ProtocolStates::SignalReply) {
        // The identity reply moves to this state too; the operation ends with the first value, or never.
        if (signalShown && !watching)
            Finish(ExitStatus::Success);
    } else if (!protocol.OperationInProgress())
        Finish(ExitStatus::Success);
}

void ControllerSession::LinkFailed(const QString& what)
{
    link.Close();
    if (running) {
        Finish(ExitStatus::DeviceFailed,
            QStringLiteral("the controller %1 after report %2 of %3").arg(what).arg(port.Delivered()).arg(total));
    }
}

void ControllerSession::Finish(int result, const QString& message)
{
    // Nothing more is awaited from this operation; the next one (or the end of the command) follows at once.
    link.ParkReader();
    running = false;
    status = result;
    host.EndProgress();
    if (!message.isEmpty())
        context.Fail(message);
    loop.quit();
}
