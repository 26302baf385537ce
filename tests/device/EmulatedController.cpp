// The emulated controller keeps one input queue guarded by a mutex; a read waits on a condition variable until an
// answer is queued, its time-out passes or its device is unplugged.
#include "EmulatedController.h"

#include <QtEndian>
#include <algorithm>
#include <chrono>

class EmulatedController::Handle : public HidDevice
{
public:
    Handle(EmulatedController& owner, size_t device, HidAccess access)
        : owner(owner)
        , device(device)
        , access(access)
    {
    }
    ~Handle() override { owner.HandleClosed(device); }

    // Each handle only does what it was opened for, so a link that mixes them up fails visibly.
    int Read(uint8_t* report, int timeoutMs) override
    {
        return access == HidAccess::Read ? owner.ReadFor(device, report, timeoutMs) : -1;
    }
    int Write(const TReport& report) override
    {
        return access == HidAccess::Write ? owner.WriteFor(device, report) : -1;
    }

private:
    EmulatedController& owner;
    size_t device;
    HidAccess access;
};

EmulatedController::EmulatedController() = default;

EmulatedController::~EmulatedController() = default;

QByteArray EmulatedController::AddDevice(const QByteArray& hardwareId, OpenFailure failure)
{
    std::lock_guard lock(mutex);
    const QByteArray path = "emulated/hidraw" + QByteArray::number(qulonglong(devices.size()));
    devices.push_back({ hardwareId, path, failure });
    return path;
}

void EmulatedController::SilenceAfter(int reports)
{
    std::lock_guard lock(mutex);
    answersLeft = reports;
    unplugWhenSilent = false;
}

void EmulatedController::UnplugAfter(int reports)
{
    std::lock_guard lock(mutex);
    answersLeft = reports;
    unplugWhenSilent = true;
    if (reports == 0)
        UnplugOpenDevices();
}

void EmulatedController::InjectReport(const QByteArray& bytes)
{
    std::lock_guard lock(mutex);
    inputQueue.push_back(bytes.left(kReportSize));
    inputArrived.notify_all();
}

int EmulatedController::OpenHandleCount() const
{
    std::lock_guard lock(mutex);
    int count = 0;
    for (const Device& device : devices)
        count += device.openHandles;
    return count;
}

std::vector<HidInterfaceInfo> EmulatedController::Enumerate()
{
    std::lock_guard lock(mutex);
    ++enumerateCount;
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
    const auto found = std::find_if(
        devices.begin(), devices.end(), [&](const Device& device) { return device.path == path && !device.gone; });
    const bool fails = found == devices.end() || (access == HidAccess::Write && found->failure == OpenFailure::Write)
        || (access == HidAccess::Read && found->failure == OpenFailure::Read);
    openLog.push_back({ path, access, !fails });
    if (fails)
        return nullptr;
    ++found->openHandles;
    return std::make_unique<Handle>(*this, size_t(found - devices.begin()), access);
}

int EmulatedController::ReadFor(size_t device, uint8_t* report, int timeoutMs)
{
    std::unique_lock lock(mutex);
    ++waitingReads;
    inputArrived.wait_for(
        lock, std::chrono::milliseconds(timeoutMs), [&] { return !inputQueue.empty() || devices[device].gone; });
    --waitingReads;
    // Answers already on their way are read before the unplug shows.
    if (!inputQueue.empty()) {
        const QByteArray bytes = inputQueue.front();
        inputQueue.pop_front();
        std::copy(bytes.begin(), bytes.end(), report);
        return int(bytes.size());
    }
    return devices[device].gone ? -1 : 0;
}

int EmulatedController::WriteFor(size_t device, const TReport& report)
{
    std::lock_guard lock(mutex);
    if (devices[device].gone)
        return -1;
    outputLog.push_back(report);
    if (answersLeft == 0)
        return kReportSize;
    inputQueue.push_back(AnswerTo(report));
    inputArrived.notify_all();
    if (answersLeft > 0 && --answersLeft == 0 && unplugWhenSilent)
        UnplugOpenDevices();
    return kReportSize;
}

void EmulatedController::HandleClosed(size_t device)
{
    std::lock_guard lock(mutex);
    --devices[device].openHandles;
}

void EmulatedController::UnplugOpenDevices()
{
    for (Device& device : devices) {
        if (device.openHandles > 0)
            device.gone = true;
    }
    inputArrived.notify_all();
}

QByteArray EmulatedController::AnswerTo(const TReport& report)
{
    QByteArray answer(kReportSize, '\0');
    const char command = char(report[1]);
    answer[1] = command;
    const int chunk = report[2];
    switch (command) {
    case 'S':
        for (int i = 0; i < 3; ++i)
            answer[2 + i] = char(identity.check[i]);
        qToLittleEndian<qint32>(identity.serialNumber, answer.data() + 6);
        answer.replace(10, std::min<int>(identity.versionText.size(), kReportSize - 10),
            identity.versionText.left(kReportSize - 10));
        break;
    case 'd':
    case 'D':
        writtenHalves[chunk * 2 + (command == 'D' ? 1 : 0)]
            = QByteArray(reinterpret_cast<const char*>(report.data()) + 3, kHalfImageSize);
        break;
    case 'r':
    case 'R': {
        const int key = chunk * 2 + (command == 'R' ? 1 : 0);
        const auto preset = presetHalves.find(key);
        const QByteArray half = preset != presetHalves.end() ? preset->second : writtenHalves[key];
        answer.replace(2, std::min<int>(half.size(), kReportSize - 2), half.left(kReportSize - 2));
        break;
    }
    case 'A':
        answer[2] = char(signalValue);
        break;
    default:
        break;
    }
    return answer;
}
