// An emulated controller behind the HID port seam: the controller's model (ControllerModel) answers each output
// report in process, and a test adds devices, fails opens, silences or unplugs it and reads back every report it
// received.
// The link writes from its own thread and the reader reads from another: the devices' state, the input queue and
// the log of output reports are guarded by one mutex, so a test reads the log through OutputLog().
#pragma once

#include "ControllerModel.h"
#include "device/HidPort.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <utility>

// A controller running its application, and one in program mode, as their first hardware-ID strings give them.
inline const QByteArray kNormal = "HID\\VID_04D8&PID_F2C4&REV_000B", kProgramMode = "HID\\VID_04D8&PID_F2C4&REV_0001";
// The commands of a write and of a read, and those of the reports in `log` from `from` on: the reports' second bytes.
inline const QByteArray kWriteCommands = "SE" + QByteArray("dD").repeated(21) + "Z",
                        kReadCommands = "S" + QByteArray("rR").repeated(21);
inline QByteArray Commands(const std::vector<TReport>& log, std::size_t from = 0)
{
    QByteArray letters;
    for (std::size_t i = from; i < log.size(); ++i)
        letters += char(log[i][1]);
    return letters;
}

class EmulatedController : public HidPort, public ControllerModel
{
public:
    enum class OpenFailure { None, Write, Read };
    // Adds a present interface and returns its path. All devices share one behaviour and one log.
    QByteArray AddDevice(const QByteArray& hardwareId, OpenFailure failure = OpenFailure::None);
    // Another controller plugged in, one at a time: its identity, what it holds and its log replace the shared
    // behaviour, then its interface appears.
    QByteArray PlugIn(const ControllerModel& model, const QByteArray& hardwareId);
    // The device at `path` leaves the bus, opened or not.
    void Unplug(const QByteArray& path);
    // The next `reports` output reports are answered, later ones not (-1: all). After UnplugAfter the devices open
    // then are gone: reads fail once the answers are read, writes fail, Enumerate leaves them out; 0 unplugs now.
    void SilenceAfter(int reports) { Limit(reports, false); }
    void UnplugAfter(int reports) { Limit(reports, true); }
    // A report sent unasked. Like hidraw, a device with no open read handle drops it.
    void InjectReport(const QByteArray& bytes);
    int PendingInputs() const { return int(Get(inputQueue).size()); }
    // Every output report received so far.
    std::vector<TReport> OutputLog() const { return Get(outputLog); }
    // The write of output report `report` (1 for the first) is held: it returns only after ReleaseWrite or after
    // `milliseconds`, then fails as a write to a vanished device does when `fail` is set, or goes through.
    void HoldWrite(int report, int milliseconds, bool fail);
    void ReleaseWrite();
    bool WriteHeld() const { return Get(writeHeld); }
    // Takes the log: a long run keeps no record of what it already counted.
    std::vector<TReport> TakeOutputLog()
    {
        std::lock_guard lock(mutex);
        return std::exchange(outputLog, {});
    }

    std::vector<QByteArray> openedPaths; // one entry per successful open; read it while no link does I/O
    std::atomic<int> openHandles = 0;

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
    // A copy of a member, taken under the mutex.
    template <class T> T Get(const T& member) const
    {
        std::lock_guard lock(mutex);
        return member;
    }

    mutable std::mutex mutex; // guards the devices' state and the input queue
    std::condition_variable inputArrived;
    std::condition_variable writeReleased;
    int holdAt = 0, holdMs = 0, writes = 0;
    bool holdFails = false, writeHeld = false, released = false;
    std::deque<Device> devices; // a deque keeps the handles' references valid as devices are added
    std::deque<QByteArray> inputQueue;
    int readHandles = 0;
};
