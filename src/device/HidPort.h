// The seam between the device link and the operating system's HID layer: enumerate the present HID interfaces,
// open one by path, read and write whole reports. The real port sits on hidapi; tests use an emulated controller.
#pragma once

#include "protocol/Report.h"

#include <QByteArray>
#include <cstdint>
#include <memory>
#include <vector>

struct HidInterfaceInfo
{
    QByteArray hardwareId; // the interface's first hardware-ID string, e.g. HID\VID_04D8&PID_F2C4&REV_000B
    QByteArray path; // what Open takes
};

enum class HidAccess { Write, Read };

class HidDevice
{
public:
    virtual ~HidDevice();

    // One input report into `report` (kReportSize bytes, report ID in byte 0). Returns the count of bytes, 0 when
    // nothing arrived within timeoutMs, -1 when the device failed or is gone.
    virtual int Read(uint8_t* report, int timeoutMs) = 0;
    // One whole output report; returns the count of bytes written or -1.
    virtual int Write(const TReport& report) = 0;
};

class HidPort
{
public:
    virtual ~HidPort();

    virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
    // nullptr when the path cannot be opened.
    virtual std::unique_ptr<HidDevice> Open(const QByteArray& path, HidAccess access) = 0;
};
