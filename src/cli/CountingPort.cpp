#include "cli/CountingPort.h"

namespace {

class CountingDevice : public HidDevice
{
public:
    CountingDevice(std::unique_ptr<HidDevice> inner, int& delivered)
        : inner(std::move(inner))
        , delivered(delivered)
    {
    }

    int Read(uint8_t* report, int timeoutMs) override { return inner->Read(report, timeoutMs); }

    int Write(const TReport& report) override
    {
        // A write to a device that is already gone fails: that report never reached the controller.
        const int count = inner->Write(report);
        if (count > 0)
            ++delivered;
        return count;
    }

private:
    std::unique_ptr<HidDevice> inner;
    int& delivered;
};

} // namespace

std::unique_ptr<HidDevice> CountingPort::Open(const QByteArray& path, HidAccess access)
{
    std::unique_ptr<HidDevice> device = inner.Open(path, access);
    if (!device)
        return nullptr;
    return std::make_unique<CountingDevice>(std::move(device), delivered);
}
