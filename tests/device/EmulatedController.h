// An emulated controller behind the HID port seam: answers each output report with one input report as the real
// controller does (the identity reply, each read half with what the matching write half carried, the signal
// value), and lets a test add devices, fail opens, silence or unplug it and read back every report it received.
// Writes come from the GUI thread and reads from the reader thread.
#pragma once

#include "device/HidPort.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

class EmulatedController : public HidPort
{
    // Defined first: the accessors below deduce their results from it.
    template <typename Action> auto Locked(Action action) const
    {
        std::lock_guard lock(mutex);
        return action();
    }

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
    void SetIdentity(const Identity& identity) { Locked([&] { this->identity = identity; }); }
    void SetSignalValue(uint8_t value) { Locked([&] { signalValue = value; }); }
    // The answer from byte 2 on to the read request of one chunk half, instead of what its write half carried.
    void SetPresetReadHalf(uint8_t chunk, bool secondHalf, const QByteArray& bytes)
    {
        Locked([&] { presetHalves[chunk * 2 + secondHalf] = bytes; });
    }
    // The next `reports` output reports are answered and later ones not (-1: all of them). With UnplugAfter the
    // devices open then are gone after that: reads fail once the answers are read, writes fail, and Enumerate no
    // longer lists them; 0 unplugs at once.
    void SilenceAfter(int reports) { Limit(reports, false); }
    void UnplugAfter(int reports) { Limit(reports, true); }
    // A report the controller sends unasked. Like hidraw, a device with no open read handle drops it.
    void InjectReport(const QByteArray& bytes);

    std::vector<TReport> OutputLog() const { return Locked([&] { return outputLog; }); }
    std::vector<QByteArray> OpenedPaths() const { return Locked([&] { return openedPaths; }); }
    int OpenHandles() const { return Locked([&] { return openHandles; }); }
    int PendingInputs() const { return Locked([&] { return int(inputQueue.size()); }); }
    int WaitingReads() const { return Locked([&] { return waitingReads; }); }

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const QByteArray& path, HidAccess access) override;

private:
    class Handle;
    struct Device
    {
        QByteArray hardwareId;
        QByteArray path;
        OpenFailure failure;
        int handles = 0;
        bool gone = false;
    };

    void Limit(int reports, bool unplug);
    int Read(Device& device, uint8_t* report, int timeoutMs);
    int Write(Device& device, const TReport& report);
    void Closed(Device& device, HidAccess access);
    void UnplugOpenDevices();
    QByteArray AnswerTo(const TReport& report);

    mutable std::mutex mutex;
    std::condition_variable inputArrived;
    std::deque<Device> devices; // a deque keeps the handles' references valid as devices are added
    std::deque<QByteArray> inputQueue;
    std::vector<TReport> outputLog;
    std::vector<QByteArray> openedPaths; // one entry per successful open
    std::map<int, QByteArray> writtenHalves, presetHalves; // key: chunk * 2 + second half
    Identity identity;
    uint8_t signalValue = 0;
    int answersLeft = -1;
    bool unplugWhenSilent = false;
    int openHandles = 0;
    int readHandles = 0;
    int waitingReads = 0;
};
