// A read waits on a condition variable until an answer is queued, its time-out passes or its device is unplugged.
#include "EmulatedController.h"

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
        std::unique_lock lock(c.mutex);
        if (access != HidAccess::Write || device.gone)
            return -1;
        if (++c.writes == c.holdAt) {
            c.writeHeld = true;
            c.writeReleased.wait_for(lock, std::chrono::milliseconds(c.holdMs), [&] { return c.released; });
            c.writeHeld = false;
            if (c.holdFails)
                return -1;
        }
        const Reply reply = c.Receive(report);
        if (reply.answered) {
            c.inputQueue.push_back(reply.answer);
            c.inputArrived.notify_all();
        }
        if (reply.unplug)
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

QByteArray EmulatedController::PlugIn(const ControllerModel& model, const QByteArray& hardwareId)
{
    {
        std::lock_guard lock(mutex);
        static_cast<ControllerModel&>(*this) = model;
    }
    return AddDevice(hardwareId);
}

void EmulatedController::Unplug(const QByteArray& path)
{
    std::lock_guard lock(mutex);
    for (Device& device : devices)
        device.gone = device.gone || device.path == path;
    inputArrived.notify_all();
}

void EmulatedController::Limit(int reports, bool unplug)
{
    std::lock_guard lock(mutex);
    unplug ? ControllerModel::UnplugAfter(reports) : ControllerModel::SilenceAfter(reports);
    if (unplug && reports == 0)
        UnplugOpenDevices();
}

void EmulatedController::HoldWrite(int report, int milliseconds, bool fail)
{
    std::lock_guard lock(mutex);
    holdAt = writes + report;
    holdMs = milliseconds;
    holdFails = fail;
    released = false;
}

void EmulatedController::ReleaseWrite()
{
    std::lock_guard lock(mutex);
    released = true;
    writeReleased.notify_all();
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
