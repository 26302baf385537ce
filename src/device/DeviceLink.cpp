// Discovery walks the port's interfaces in order and stops at the first whose hardware ID contains the wanted
// identifier, whether or not that device then opens.
#include "device/DeviceLink.h"

#include "device/Port1Comms.h"

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

TDeviceLink::TDeviceLink(HidPort& port, uint8_t* receiveBuffer, std::function<void()> handleInputReport)
    : port(port)
    , receiveBuffer(receiveBuffer)
    , handleInputReport(std::move(handleInputReport))
{
    answerTimer.setSingleShot(true);
    connect(&answerTimer, &QTimer::timeout, this, &TDeviceLink::Silent);
}

TDeviceLink::~TDeviceLink()
{
    Close();
}

void TDeviceLink::OpenHidDevice(const QByteArray& wantedId)
{
    if (connected)
        return;
    // A link that dropped still holds its handles and its ended reader.
    Close();
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
            StartReader();
        }
        return;
    }
}

ConnectResult TDeviceLink::ConnectDevice()
{
    if (connected)
        return ConnectResult::Ready;
    OpenHidDevice(NormalModeIdentifier());
    if (!connected) {
        OpenHidDevice(ProgramModeIdentifier());
        if (connected) {
            Close();
            return ConnectResult::ProgramMode;
        }
    }
    if (!connected)
        OpenHidDevice(AnyRevisionIdentifier());
    return connected ? ConnectResult::Ready : ConnectResult::NotFound;
}

void TDeviceLink::SendReport(const TReport& report)
{
    // The controller's answer is what moves the protocol on; a lost write shows as a missing answer.
    if (!writeHandle)
        return;
    if (reader)
        reader->Resume();
    writeHandle->Write(report);
    if (answerTimeoutMs > 0)
        answerTimer.start(answerTimeoutMs);
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
    if (reader) {
        reader->Stop();
        reader->wait();
        reader.reset();
    }
    readHandle.reset();
    writeHandle.reset();
    connected = 0;
}

void TDeviceLink::StartReader()
{
    const quint64 startedAt = generation;
    // Both calls are queued to this thread; one that arrives after a close belongs to a link that is gone.
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
