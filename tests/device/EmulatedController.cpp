// A read waits on a condition variable until an answer is queued, its time-out passes or its device is unplugged.
#include "EmulatedController.h"

#include <QtEndian>
#include <algorithm>
#include <chrono>

// Each handle only does what it was opened for, so a link that mixes them up fails visibly.
class EmulatedController::Handle : public HidDevice
{
public:
    Handle(EmulatedController& owner, Device& device, HidAccess access)
        : owner(owner)
        , device(device)
        , access(access)
    {
    }
    ~Handle() override { owner.Closed(device, access); }
    int Read(uint8_t* report, int timeoutMs) override
    {
        return access == HidAccess::Read ? owner.Read(device, report, timeoutMs) : -1;
    }
    int Write(const TReport& report) override { return access == HidAccess::Write ? owner.Write(device, report) : -1; }

private:
    EmulatedController& owner;
    Device& device;
    HidAccess access;
};

QByteArray EmulatedController::AddDevice(const QByteArray& hardwareId, OpenFailure failure)
{
    std::lock_guard lock(mutex);
    devices.push_back({ hardwareId, "emulated/hidraw" + QByteArray::number(qulonglong(devices.size())), failure });
    return devices.back().path;
}

void EmulatedController::Limit(int reports, bool unplug)
{
    std::lock_guard lock(mutex);
    answersLeft = reports;
    unplugWhenSilent = unplug;
    if (unplug && reports == 0)
        UnplugOpenDevices();
}

void EmulatedController::InjectReport(const QByteArray& bytes)
{
    std::lock_guard lock(mutex);
    if (readHandles > 0)
        inputQueue.push_back(bytes.left(kReportSize));
    inputArrived.notify_all();
}

int EmulatedController::PendingInputs() const
{
    std::lock_guard lock(mutex);
    return int(inputQueue.size());
}

std::vector<HidInterfaceInfo> EmulatedController::Enumerate()
{
    std::lock_guard lock(mutex);
    std::vector<HidInterfaceInfo> present;
    for (const Device& device : devices) {
        if (!device.gone)
            present.push_back({ device.hardwareId, device.path });
    }
    return present;
}

std::unique_ptr<HidDevice> EmulatedController::Open(const QByteArray& path, HidAccess access)
{
    std::lock_guard lock(mutex);
    const auto device = std::find_if(devices.begin(), devices.end(), [&](const Device& d) { return d.path == path; });
    const OpenFailure refused = access == HidAccess::Write ? OpenFailure::Write : OpenFailure::Read;
    if (device == devices.end() || device->gone || device->failure == refused)
        return nullptr;
    openedPaths.push_back(path);
    ++device->handles;
    ++openHandles;
    readHandles += access == HidAccess::Read;
    return std::make_unique<Handle>(*this, *device, access);
}

int EmulatedController::Read(Device& device, uint8_t* report, int timeoutMs)
{
    std::unique_lock lock(mutex);
    inputArrived.wait_for(
        lock, std::chrono::milliseconds(timeoutMs), [&] { return !inputQueue.empty() || device.gone; });
    // Answers already on their way are read before the unplug shows.
    if (inputQueue.empty())
        return device.gone ? -1 : 0;
    const QByteArray bytes = inputQueue.front();
    inputQueue.pop_front();
    std::copy(bytes.begin(), bytes.end(), report);
    return int(bytes.size());
}

int EmulatedController::Write(Device& device, const TReport& report)
{
    std::lock_guard lock(mutex);
    if (device.gone)
        return -1;
    outputLog.push_back(report);
    if (answersLeft != 0) {
        inputQueue.push_back(AnswerTo(report));
        inputArrived.notify_all();
    }
    if (answersLeft > 0 && --answersLeft == 0 && unplugWhenSilent)
        UnplugOpenDevices();
    return kReportSize;
}

void EmulatedController::Closed(Device& device, HidAccess access)
{
    std::lock_guard lock(mutex);
    --openHandles;
    --device.handles;
    if (access == HidAccess::Read && --readHandles == 0)
        inputQueue.clear();
}

void EmulatedController::UnplugOpenDevices()
{
    for (Device& device : devices)
        device.gone = device.gone || device.handles > 0;
    inputArrived.notify_all();
}

QByteArray EmulatedController::AnswerTo(const TReport& report)
{
    QByteArray answer(kReportSize, '\0');
    const char command = char(report[1]);
    const int key = report[2] * 2 + (command == 'D' || command == 'R');
    answer[1] = command;
    if (command == 'S') {
        answer.replace(2, 3, reinterpret_cast<const char*>(identity.check), 3);
        qToLittleEndian<qint32>(identity.serialNumber, answer.data() + 6);
        answer.replace(10, identity.versionText.size(), identity.versionText);
    } else if (command == 'd' || command == 'D') {
        writtenHalves[key] = QByteArray(reinterpret_cast<const char*>(report.data()) + 3, kReportSize - 3);
    } else if (command == 'r' || command == 'R') {
        const auto preset = presetHalves.find(key);
        answer.replace(2, kReportSize - 2, preset != presetHalves.end() ? preset->second : writtenHalves[key]);
    } else if (command == 'A') {
        answer[2] = char(signalValue);
    }
    return answer.left(kReportSize);
}
