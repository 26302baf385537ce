// A HID port that hands everything through to another port and counts the output reports that reached a device,
// so that a failed operation can say how far it got.
#pragma once

#include "device/HidPort.h"

class CountingPort : public HidPort
{
public:
    explicit CountingPort(HidPort& inner)
        : inner(inner)
    {
    }

    std::vector<HidInterfaceInfo> Enumerate() override { return inner.Enumerate(); }
    std::unique_ptr<HidDevice> Open(const QByteArray& path, HidAccess access) override;

    // Output reports written since the last reset. Writes come from one thread only, the one that sends reports.
    int Delivered() const { return delivered; }
    void ResetDelivered() { delivered = 0; }

private:
    HidPort& inner;
    int delivered = 0;
};
