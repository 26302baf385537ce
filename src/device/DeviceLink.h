// The device link: finds the controller among the present HID interfaces, opens it twice (write and read), runs
// the reader thread and sends output reports. The object lives on the GUI thread; its device I/O (enumeration,
// opening, writes, closing) runs there too on the command line, or on a thread of its own for the window, so that
// a write the system holds up for a second never freezes it.
#pragma once

#include "device/HidPort.h"
#include "protocol/Report.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class Port1Comms;
class QThread;

// The controller's USB product ID under vendor 04D8.
constexpr uint16_t ControllerProductId = 0xF2C4;

// "Vid_04d8&Pid_" and the product ID in four lower-case hexadecimal digits.
QByteArray DevicePrefix();
QByteArray NormalModeIdentifier(); // revision 000B
QByteArray ProgramModeIdentifier(); // revision 0001: the controller is being reprogrammed
QByteArray AnyRevisionIdentifier(); // the prefix alone

// The present interfaces of controllers, in either mode: the controller's identifier anywhere in the hardware ID,
// in either case, as discovery matches it.
std::vector<HidInterfaceInfo> PresentControllers(HidPort& port);

enum class ConnectResult { Ready, ProgramMode, NotFound };

// Where the link does its device I/O: on the caller's thread, or on a thread of its own, in the order asked.
enum class LinkThreading { Caller, Own };

// The window's wait for each answer before it reports the controller silent.
constexpr int kAnswerTimeoutMs = 3000;

class TDeviceLink : public QObject
{
    Q_OBJECT

public:
    // receiveBuffer: the protocol's kReportSize-byte ReceiveBuffer; handleInputReport runs on the GUI thread once
    // per input report. The port and the buffer must outlive the link.
    TDeviceLink(HidPort& port, uint8_t* receiveBuffer, std::function<void()> handleInputReport,
        LinkThreading threading = LinkThreading::Caller);
    ~TDeviceLink() override;

    TDeviceLink(const TDeviceLink&) = delete;
    TDeviceLink& operator=(const TDeviceLink&) = delete;

    // Discovery unless connected, on the caller's thread. Shows nothing: the caller reports the outcome. A
    // program-mode device is closed again, so nothing is ever sent to it. After NotFound, UnopenedCause tells why
    // a controller that is present could not be opened, or is empty when none is present.
    ConnectResult ConnectDevice();
    const QString& UnopenedCause() const { return unopenedCause; }
    // The same discovery where the link does its I/O; `done` runs on this object's thread with the outcome and
    // the cause, unless the link is closed or destroyed first.
    void ConnectDevice(std::function<void(ConnectResult, const QString&)> done);
    // The controllers' interfaces present now (normal and program mode), listed where the link does its I/O;
    // `done` runs on this object's thread unless the link is closed or destroyed first. Opens nothing.
    void Survey(std::function<void(const std::vector<HidInterfaceInfo>&)> done);
    // One whole output report through the write handle; silently nothing when no handle is open. The reader reads
    // again if it was parked. A write that fails ends the link as an unplug does: Lost follows.
    void SendReport(const TReport& report);
    // No answer is expected until the next report is sent: the reader stops reading once the report in hand is
    // handled, so that a Close soon after does not wait out a read's time-out. Reports the controller sends
    // meanwhile wait in the system's queue until the next report is sent.
    void ParkReader();
    uint8_t Connected() const { return connected; }
    // Stops and joins the reader, closes both handles, Connected = 0. Safe to call at any time on the GUI thread,
    // also from inside the report handler. With a thread of its own the link returns at once; the close runs there
    // before anything asked later.
    void Close();

    // How long an answer may take after a report was sent before Silent is emitted; 0 waits without end.
    void SetAnswerTimeout(int milliseconds) { answerTimeoutMs = milliseconds; }
    // A report was sent and its answer has not arrived yet.
    bool AwaitingAnswer() const { return answerTimer.isActive(); }
    // Discovery considers only the interface at this path; empty for all.
    void SetDevicePath(const QByteArray& path) { devicePath = path; }

signals:
    // The reader found the device gone, or a write to it failed.
    void Lost();
    // No answer came within the answer time-out.
    void Silent();

private:
    // These run where the link does its I/O.
    void OpenHidDevice(const QByteArray& wantedId, quint64 startedAt);
    ConnectResult Discover(quint64 startedAt, QString& cause);
    void Write(const TReport& report, quint64 sentAt);
    void CloseHandles();
    void StartReader(quint64 startedAt);
    // Runs `job` where the link does its I/O: at once, or queued to its thread.
    void RunIo(std::function<void()> job);

    HidPort& port;
    uint8_t* receiveBuffer;
    std::function<void()> handleInputReport;
    QByteArray devicePath;
    int answerTimeoutMs = kAnswerTimeoutMs;
    QTimer answerTimer;
    std::unique_ptr<HidDevice> writeHandle;
    std::unique_ptr<HidDevice> readHandle;
    std::unique_ptr<Port1Comms> reader;
    // Set only when opening, cleared by the reader when the device fails and by a close.
    std::atomic<uint8_t> connected { 0 };
    // Bumped on every close, on this object's thread: a hand-over, a failed write or a discovery's outcome that
    // belongs to an earlier link must not reach its receiver.
    quint64 generation = 0;
    QString unopenedCause;
    bool ownThread = false; // LinkThreading::Own
    QThread* ioThread = nullptr;
    QObject* ioContext = nullptr; // lives on ioThread
    // The I/O path the last discovery found but could not open.
    QByteArray unopenedPath;
};
