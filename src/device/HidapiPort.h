// The HID port on hidapi (hidraw backend). Hardware IDs are built in the Windows form from the IDs hidapi reports,
// so the controller's identifiers match here as they do on Windows.
#pragma once

#include "device/HidPort.h"

#include <cstdint>

// HID\VID_vvvv&PID_pppp&REV_rrrr, four upper-case hexadecimal digits each.
QByteArray FormatHardwareId(uint16_t vendorId, uint16_t productId, uint16_t releaseNumber);

// hidapi is initialised by the constructor and shut down by the destructor: keep one port for the life of the
// process and close every device it opened before it goes.
class HidapiPort : public HidPort
{
public:
    HidapiPort();
    ~HidapiPort() override;

    HidapiPort(const HidapiPort&) = delete;
    HidapiPort& operator=(const HidapiPort&) = delete;

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const QByteArray& path, HidAccess access) override;

private:
    bool initialised = false;
};
