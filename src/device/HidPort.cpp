// Out-of-line destructors anchor the vtables of the HID seam in one translation unit.
#include "device/HidPort.h"

HidDevice::~HidDevice() = default;

HidPort::~HidPort() = default;
