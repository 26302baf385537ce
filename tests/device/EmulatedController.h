// An emulated controller behind the HID port seam: answers each output report with one input report as the real
// controller does, and lets a test add devices, fail opens, silence or unplug the controller and read back every
// report it received. Writes may come from one thread and reads from another.
#pragma once

#include "device/HidPort.h"
#include "device/Report.h"

#include <QByteArray>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

class EmulatedController : public HidPort
{
    // Runs `action` under the mutex and returns what it returns; defined first so the accessors below can use it.
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

    struct OpenRecord
    {
        QByteArray path;
        HidAccess access;
        bool succeeded;
    };

    // Bytes of an answer from byte 2 on for each 'r' (first) and 'R' (second) half of a chunk; a half without a
    // preset answers with what the matching 'd' or 'D' wrote.
    static constexpr int kHalfImageSize = 62;

    EmulatedController();
    ~EmulatedController() override;

    // Adds a present interface and returns its path. Output reports to any device share one log and one behaviour.
    QByteArray AddDevice(const QByteArray& hardwareId, OpenFailure failure = OpenFailure::None);

    void SetIdentity(const Identity& newIdentity)
    {
        Locked([&] { identity = newIdentity; });
    }
    void SetSignalValue(uint8_t value)
    {
        Locked([&] { signalValue = value; });
    }
    void SetPresetReadHalf(uint8_t chunk, bool secondHalf, const QByteArray& bytes)
    {
        Locked([&] { presetHalves[chunk * 2 + (secondHalf ? 1 : 0)] = bytes; });
    }
    // The next `reports` output reports are answered, later ones are not.
    void SilenceAfter(int reports);
    // The next `reports` output reports are answered; then the device is gone: reads fail once those answers have
    // been read, writes fail and Enumerate no longer lists it. Applies to the devices open at that moment; 0
    // unplugs them at once.
    void UnplugAfter(int reports);
    // An input report (of any length up to kReportSize) the controller sends without being asked.
    void InjectReport(const QByteArray& bytes);

    std::vector<TReport> OutputLog() const
    {
        return Locked([&] { return outputLog; });
    }
    std::vector<OpenRecord> OpenLog() const
    {
        return Locked([&] { return openLog; });
    }
    int EnumerateCount() const
    {
        return Locked([&] { return enumerateCount; });
    }
    int OpenHandleCount() const;
    // Reads currently blocked waiting for a report.
    int WaitingReads() const
    {
        return Locked([&] { return waitingReads; });
    }
    // Input reports queued and not yet read.
    int PendingInputs() const
    {
        return Locked([&] { return int(inputQueue.size()); });
    }

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const QByteArray& path, HidAccess access) override;

private:
    class Handle;
    struct Device
    {
        QByteArray hardwareId;
        QByteArray path;
        OpenFailure failure;
        int openHandles = 0;
        bool gone = false;
    };

    int ReadFor(size_t device, uint8_t* report, int timeoutMs);
    int WriteFor(size_t device, const TReport& report);
    void HandleClosed(size_t device);
    void UnplugOpenDevices();
    QByteArray AnswerTo(const TReport& report);

    mutable std::mutex mutex;
    std::condition_variable inputArrived;
    std::vector<Device> devices;
    std::deque<QByteArray> inputQueue;
    std::vector<TReport> outputLog;
    std::vector<OpenRecord> openLog;
    std::map<int, QByteArray> writtenHalves; // key: chunk * 2 + half
    std::map<int, QByteArray> presetHalves;
    Identity identity;
    uint8_t signalValue = 0;
    int answersLeft = -1; // -1: no limit
    bool unplugWhenSilent = false;
    int enumerateCount = 0;
    int waitingReads = 0;
};
