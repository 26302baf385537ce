// An emulated controller behind the HID port seam: answers each output report with one input report as the real
// controller does (the identity reply, each read half with what the matching write half carried, the signal
// value), and lets a test add devices, fail opens, silence or unplug it and read back every report it received.
// Tests and the link's writes use it from the GUI thread; only the input queue is shared with the reader thread.
#pragma once

#include "device/HidPort.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

class EmulatedController : public HidPort
{
public:
    enum class OpenFailure { None, Write, Read };
    struct Identity
    {
        uint8_t check[3] = { 0, 1, 11 }; // reply bytes 2..4
        int32_t serialNumber = 0x01020304;
        QByteArray versionText = "Parlowen 1.0";
    };

    // Adds a present interface and returns its path. All devices share one behaviour and one log.
    QByteArray AddDevice(const QByteArray& hardwareId, OpenFailure failure = OpenFailure::None);
    // The next `reports` output reports are answered, later ones not (-1: all). After UnplugAfter the devices open
    // then are gone: reads fail once the answers are read, writes fail, Enumerate leaves them out; 0 unplugs now.
    void SilenceAfter(int reports) { Limit(reports, false); }
    void UnplugAfter(int reports) { Limit(reports, true); }
    // A report sent unasked. Like hidraw, a device with no open read handle drops it.
    void InjectReport(const QByteArray& bytes);
    int PendingInputs() const
    {
        std::lock_guard lock(mutex);
        return int(inputQueue.size());
    }

    Identity identity;
    uint8_t signalValue = 0;
    std::map<int, QByteArray> presetHalves; // key chunk * 2 + second half: the answer from byte 2 on to that read
    std::vector<TReport> outputLog;
    std::vector<QByteArray> openedPaths; // one entry per successful open
    int openHandles = 0;

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const QByteArray& path, HidAccess access) override;

private:
    class Handle;
    struct Device
    {
        QByteArray hardwareId, path;
        OpenFailure failure;
        int handles = 0;
        bool gone = false;
    };
    void Limit(int reports, bool unplug);
    void UnplugOpenDevices();
    QByteArray AnswerTo(const TReport& report);

    mutable std::mutex mutex; // guards the devices' state and the input queue
    std::condition_variable inputArrived;
    std::deque<Device> devices; // a deque keeps the handles' references valid as devices are added
    std::deque<QByteArray> inputQueue;
    std::map<int, QByteArray> writtenHalves;
    int answersLeft = -1;
    bool unplugWhenSilent = false;
    int readHandles = 0;
};
