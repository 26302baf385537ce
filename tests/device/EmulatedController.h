// An emulated controller behind the HID port seam: the controller's model (ControllerModel) answers each output
// report in process, and a test adds devices, fails opens, silences or unplugs it and reads back every report it
// received.
// Tests and the link's writes use it from the GUI thread; only the input queue is shared with the reader thread.
#pragma once

#include "ControllerModel.h"
#include "device/HidPort.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

class EmulatedController : public HidPort, public ControllerModel
{
public:
    enum class OpenFailure { None, Write, Read };
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

    mutable std::mutex mutex; // guards the devices' state and the input queue
    std::condition_variable inputArrived;
    std::deque<Device> devices; // a deque keeps the handles' references valid as devices are added
    std::deque<QByteArray> inputQueue;
    int readHandles = 0;
};
