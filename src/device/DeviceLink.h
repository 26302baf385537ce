// The device link: finds the controller among the present HID interfaces, opens it twice (write and read), runs
// the reader thread and sends output reports. Lives on the GUI thread.
#pragma once

#include "device/HidPort.h"
#include "protocol/Report.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class Port1Comms;

// The controller's USB product ID under vendor 04D8.
constexpr uint16_t ControllerProductId = 0xF2C4;

// "Vid_04d8&Pid_" and the product ID in four lower-case hexadecimal digits.
QByteArray DevicePrefix();
QByteArray NormalModeIdentifier(); // revision 000B
QByteArray ProgramModeIdentifier(); // revision 0001: the controller is being reprogrammed
QByteArray AnyRevisionIdentifier(); // the prefix alone

enum class ConnectResult { Ready, ProgramMode, NotFound };

// The window's wait for each answer before it reports the controller silent.
constexpr int kAnswerTimeoutMs = 3000;

class TDeviceLink : public QObject
{
    Q_OBJECT

public:
    // receiveBuffer: the protocol's kReportSize-byte ReceiveBuffer; handleInputReport runs on the GUI thread once
    // per input report. The port and the buffer must outlive the link.
    TDeviceLink(HidPort& port, uint8_t* receiveBuffer, std::function<void()> handleInputReport);
    ~TDeviceLink() override;

    TDeviceLink(const TDeviceLink&) = delete;
    TDeviceLink& operator=(const TDeviceLink&) = delete;

    // Opens the first present interface whose hardware ID contains wantedId (either letter case) and starts the
    // reader. Does nothing while Connected is 1.
    void OpenHidDevice(const QByteArray& wantedId);
    // Discovery unless connected. Shows nothing: the caller reports the outcome. A program-mode device is closed
    // again, so nothing is ever sent to it.
    ConnectResult ConnectDevice();
    // One whole output report through the write handle; silently nothing when no handle is open. The reader reads
    // again if it was parked.
    void SendReport(const TReport& report);
    // No answer is expected until the next report is sent: the reader stops reading once the report in hand is
    // handled, so that a Close soon after does not wait out a read's time-out. Reports the controller sends
    // meanwhile wait in the system's queue until the next report is sent.
    void ParkReader();
    uint8_t Connected() const { return connected; }
    // Stops and joins the reader, closes both handles, Connected = 0. Safe to call at any time on the GUI thread,
    // also from inside the report handler.
    void Close();

    // How long an answer may take after a report was sent before Silent is emitted; 0 waits without end.
    void SetAnswerTimeout(int milliseconds) { answerTimeoutMs = milliseconds; }
    // A report was sent and its answer has not arrived yet.
    bool AwaitingAnswer() const { return answerTimer.isActive(); }
    // Discovery considers only the interface at this path; empty for all.
    void SetDevicePath(const QByteArray& path) { devicePath = path; }

signals:
    // The reader found the device gone; Connected is 0 already.
    void Lost();
    // No answer came within the answer time-out.
    void Silent();

private:
    void StartReader();

    HidPort& port;
    uint8_t* receiveBuffer;
    std::function<void()> handleInputReport;
    QByteArray devicePath;
    int answerTimeoutMs = kAnswerTimeoutMs;
    QTimer answerTimer;
    std::unique_ptr<HidDevice> writeHandle;
    std::unique_ptr<HidDevice> readHandle;
    std::unique_ptr<Port1Comms> reader;
    // Set by the GUI thread only when opening, cleared by the reader when the device fails.
    std::atomic<uint8_t> connected { 0 };
    // Bumped on every close: a hand-over queued for an earlier link must not reach the handler.
    quint64 generation = 0;
};
