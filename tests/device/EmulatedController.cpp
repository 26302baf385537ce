// A read waits on a condition variable until an answer is queued, its time-out passes or its device is unplugged.
#include "EmulatedController.h"

#include <QtEndian>
#include <algorithm>
#include <chrono>

// A handle reads or writes, as it was opened for, so a link that mixes them up fails visibly.
class EmulatedController::Handle : public HidDevice
{
public:
    Handle(EmulatedController& owner, Device& device, HidAccess access)
        : c(owner)
        , device(device)
        , access(access)
    {
    }
    ~Handle() override
    {
        std::lock_guard lock(c.mutex);
        --c.openHandles;
        --device.handles;
        if (access == HidAccess::Read && --c.readHandles == 0)
            c.inputQueue.clear();
    }
    int Read(uint8_t* report, int timeoutMs) override
    {
        std::unique_lock lock(c.mutex);
        const auto ready = [&] { return !c.inputQueue.empty() || device.gone; };
        if (access != HidAccess::Read || !c.inputArrived.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
            return access == HidAccess::Read ? 0 : -1;
        if (c.inputQueue.empty()) // answers already on their way are read before the unplug shows
            return -1;
        const QByteArray bytes = c.inputQueue.front();
        c.inputQueue.pop_front();
        std::copy(bytes.begin(), bytes.end(), report);
        return int(bytes.size());
    }
    int Write(const TReport& report) override
    {
        std::lock_guard lock(c.mutex);
        if (access != HidAccess::Write || device.gone)
            return -1;
        c.outputLog.push_back(report);
        if (c.answersLeft != 0) {
            c.inputQueue.push_back(c.AnswerTo(report));
            c.inputArrived.notify_all();
        }
        if (c.answersLeft > 0 && --c.answersLeft == 0 && c.unplugWhenSilent)
            c.UnplugOpenDevices();
        return kReportSize;
    }

private:
    EmulatedController& c;
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
