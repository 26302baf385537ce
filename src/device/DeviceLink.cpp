// Discovery walks the port's interfaces in order and stops at the first whose hardware ID contains the wanted
// identifier, whether or not that device then opens. The handles and the reader belong to whichever thread does
// the link's I/O; this object's thread only keeps the generation, the answer timer and the signals.
#include "device/DeviceLink.h"

#include "device/OpenFailure.h"
#include "device/Port1Comms.h"

#include <QMetaObject>
#include <QThread>

QByteArray DevicePrefix()
{
    return "Vid_04d8&Pid_" + QByteArray::number(ControllerProductId, 16).rightJustified(4, '0').toLower();
}

QByteArray NormalModeIdentifier()
{
    return DevicePrefix() + "&rev_000B";
}

QByteArray ProgramModeIdentifier()
{
    return DevicePrefix() + "&rev_0001";
}

QByteArray AnyRevisionIdentifier()
{
    return DevicePrefix();
}

std::vector<HidInterfaceInfo> PresentControllers(HidPort& port)
{
    const QByteArray wanted = AnyRevisionIdentifier().toLower();
    std::vector<HidInterfaceInfo> controllers;
    for (HidInterfaceInfo& info : port.Enumerate()) {
        if (info.hardwareId.toLower().contains(wanted))
            controllers.push_back(std::move(info));
    }
    return controllers;
}

TDeviceLink::TDeviceLink(
    HidPort& port, uint8_t* receiveBuffer, std::function<void()> handleInputReport, LinkThreading threading)
    : port(port)
    , receiveBuffer(receiveBuffer)
    , handleInputReport(std::move(handleInputReport))
{
    answerTimer.setSingleShot(true);
    connect(&answerTimer, &QTimer::timeout, this, &TDeviceLink::Silent);
    ownThread = threading == LinkThreading::Own;
}

TDeviceLink::~TDeviceLink()
{
    ++generation;
    if (ioThread) {
        // Jobs still queued are dropped; the handles are closed here once the thread has ended.
        ioThread->quit();
        ioThread->wait();
        delete ioContext;
        delete ioThread;
    }
    CloseHandles();
}

void TDeviceLink::RunIo(std::function<void()> job)
{
    // The thread starts with the first device command, not with the window.
    if (ownThread && !ioThread) {
        ioThread = new QThread;
        ioThread->setObjectName(QStringLiteral("device link"));
        ioContext = new QObject;
        ioContext->moveToThread(ioThread);
        ioThread->start();
    }
    if (ioContext)
        QMetaObject::invokeMethod(ioContext, std::move(job), Qt::QueuedConnection);
    else
        job();
}

void TDeviceLink::OpenHidDevice(const QByteArray& wantedId, quint64 startedAt)
{
    if (connected)
        return;
    // A link that dropped still holds its handles and its ended reader.
    CloseHandles();
    // QByteArray::toLower is plain ASCII, so no locale can make "I" and "i" differ.
    const QByteArray wanted = wantedId.toLower();
    for (const HidInterfaceInfo& info : port.Enumerate()) {
        if (!info.hardwareId.toLower().contains(wanted) || (!devicePath.isEmpty() && info.path != devicePath))
            continue;
        auto write = port.Open(info.path, HidAccess::Write);
        auto read = port.Open(info.path, HidAccess::Read);
        // Without both handles there is no link: a device that cannot be written to would swallow every command.
        if (write && read) {
            writeHandle = std::move(write);
            readHandle = std::move(read);
            connected = 1;
            StartReader(startedAt);
        } else {
            unopenedPath = info.path;
        }
        return;
    }
}

ConnectResult TDeviceLink::Discover(quint64 startedAt, QString& cause)
{
    cause.clear();
    if (connected)
        return ConnectResult::Ready;
    unopenedPath.clear();
    OpenHidDevice(NormalModeIdentifier(), startedAt);
    if (!connected) {
        OpenHidDevice(ProgramModeIdentifier(), startedAt);
        if (connected) {
            CloseHandles();
            return ConnectResult::ProgramMode;
        }
    }
    if (!connected)
        OpenHidDevice(AnyRevisionIdentifier(), startedAt);
    if (connected)
        return ConnectResult::Ready;
    // A controller that is there but would not open is no cable fault: say what keeps it closed.
    if (!unopenedPath.isEmpty())
        cause = OpenFailureCause(unopenedPath);
    return ConnectResult::NotFound;
}

ConnectResult TDeviceLink::ConnectDevice()
{
    return Discover(generation, unopenedCause);
}

void TDeviceLink::ConnectDevice(std::function<void(ConnectResult, const QString&)> done)
{
    const quint64 startedAt = generation;
    RunIo([this, startedAt, done = std::move(done)] {
        QString cause;
        const ConnectResult result = Discover(startedAt, cause);
        const auto report = [this, startedAt, result, cause, done] {
            if (startedAt != generation)
                return;
            unopenedCause = cause;
            done(result, cause);
        };
        QMetaObject::invokeMethod(this, report, Qt::QueuedConnection);
    });
}

void TDeviceLink::Survey(std::function<void(const std::vector<HidInterfaceInfo>&)> done)
{
    const quint64 startedAt = generation;
    RunIo([this, startedAt, done = std::move(done)] {
        const std::vector<HidInterfaceInfo> controllers = PresentControllers(port);
        QMetaObject::invokeMethod(
            this,
            [this, startedAt, done, controllers] {
                if (startedAt == generation)
                    done(controllers);
            },
            Qt::QueuedConnection);
    });
}

void TDeviceLink::SendReport(const TReport& report)
{
    const quint64 sentAt = generation;
    RunIo([this, report, sentAt] { Write(report, sentAt); });
    if (answerTimeoutMs > 0)
        answerTimer.start(answerTimeoutMs);
}

void TDeviceLink::Write(const TReport& report, quint64 sentAt)
{
    // The controller's answer is what moves the protocol on; without a handle nothing goes out and the answer
    // time-out tells.
    if (!writeHandle)
        return;
    if (reader)
        reader->Resume();
    if (writeHandle->Write(report) >= 0)
        return;
    // hidraw and Windows refuse a write to a device that has gone: that is an unplug, told now rather than as
    // silence when the answer time-out runs out.
    connected = 0;
    QMetaObject::invokeMethod(
        this,
        [this, sentAt] {
            if (sentAt == generation)
                emit Lost();
        },
        Qt::QueuedConnection);
}

void TDeviceLink::ParkReader()
{
    if (reader)
        reader->Park();
}

void TDeviceLink::Close()
{
    ++generation;
    answerTimer.stop();
    // The reader sees this at once and stops reading; the handles go where they were opened.
    connected = 0;
    RunIo([this] { CloseHandles(); });
}

void TDeviceLink::CloseHandles()
{
    if (reader) {
        reader->Stop();
        reader->wait();
        reader.reset();
    }
    readHandle.reset();
    writeHandle.reset();
    connected = 0;
}

void TDeviceLink::StartReader(quint64 startedAt)
{
    // Both calls are queued to this object's thread; one that arrives after a close belongs to a link that is gone.
    const auto handOver = [this, startedAt] {
        if (startedAt != generation)
            return;
        answerTimer.stop();
        handleInputReport();
    };
    const auto lost = [this, startedAt] {
        if (startedAt == generation)
            emit Lost();
    };
    reader = std::make_unique<Port1Comms>(*readHandle, receiveBuffer, connected, this, handOver, lost);
    // The reader spends its life blocked in a read, so it runs at the lowest ordinary priority. Not IdlePriority:
    // on Linux that is SCHED_IDLE, which a busy machine may starve while the GUI waits on the next report.
    reader->start(QThread::LowestPriority);
}
