// hidapi's enumerate, open and close share one global error string, so they are serialised by one mutex; a read
// and a write run on two independent handles (one per thread) and need no lock.
#include "device/HidapiPort.h"

#include <QMutex>
#include <QMutexLocker>
#include <hidapi/hidapi.h>

namespace {

QMutex& HidapiGlobalMutex()
{
    static QMutex mutex;
    return mutex;
}

class HidapiDevice : public HidDevice
{
public:
    explicit HidapiDevice(hid_device* handle)
        : handle(handle)
    {
    }

    ~HidapiDevice() override
    {
        QMutexLocker lock(&HidapiGlobalMutex());
        hid_close(handle);
    }

    int Read(uint8_t* report, int timeoutMs) override
    {
        // The controller has no numbered reports: hidapi hands over the 64 report bytes without a report ID, so
        // the ID 0 is put in front to keep report byte k at index k.
        const int count = hid_read_timeout(handle, report + 1, kReportSize - 1, timeoutMs);
        if (count <= 0)
            return count < 0 ? -1 : 0;
        report[0] = 0;
        return count + 1;
    }

    int Write(const TReport& report) override
    {
        // Byte 0 is the report ID 0, which hidapi strips before the 64 bytes go to the device.
        const int count = hid_write(handle, report.data(), report.size());
        return count < 0 ? -1 : count;
    }

private:
    hid_device* handle;
};

} // namespace

QByteArray FormatHardwareId(uint16_t vendorId, uint16_t productId, uint16_t releaseNumber)
{
    auto hex4 = [](uint16_t value) { return QByteArray::number(value, 16).rightJustified(4, '0').toUpper(); };
    return "HID\\VID_" + hex4(vendorId) + "&PID_" + hex4(productId) + "&REV_" + hex4(releaseNumber);
}

HidapiPort::HidapiPort()
{
    QMutexLocker lock(&HidapiGlobalMutex());
    initialised = hid_init() == 0;
}

HidapiPort::~HidapiPort()
{
    QMutexLocker lock(&HidapiGlobalMutex());
    if (initialised)
        hid_exit();
}

std::vector<HidInterfaceInfo> HidapiPort::Enumerate()
{
    std::vector<HidInterfaceInfo> interfaces;
    if (!initialised)
        return interfaces;
    QMutexLocker lock(&HidapiGlobalMutex());
    hid_device_info* const list = hid_enumerate(0, 0);
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        if (info->path == nullptr)
            continue;
        interfaces.push_back(
            { FormatHardwareId(info->vendor_id, info->product_id, info->release_number), QByteArray(info->path) });
    }
    hid_free_enumeration(list);
    return interfaces;
}

std::unique_ptr<HidDevice> HidapiPort::Open(const QByteArray& path, HidAccess /*access*/)
{
    if (!initialised)
        return nullptr;
    // hidraw opens read-write either way; two handles on one path are independent, which is what the link needs.
    QMutexLocker lock(&HidapiGlobalMutex());
    hid_device* const handle = hid_open_path(path.constData());
    if (handle == nullptr)
        return nullptr;
    return std::make_unique<HidapiDevice>(handle);
}
