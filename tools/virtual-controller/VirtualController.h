// The USB side of the virtual controller: the controller's device, configuration, HID and endpoint descriptors on
// gadgetfs (which lets user space write the whole device descriptor, any bcdDevice included), or the user-space end
// of a configfs HID function (/dev/hidgN). Each output report goes to the model; its answer goes back as an input
// report.
#pragma once

#include "ControllerModel.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>

struct Session;

struct UsbIdentity
{
    uint16_t productId = 0xF2C4;
    uint16_t revision = 0x000B;
};

class VirtualController
{
public:
    VirtualController(ControllerModel& model, std::FILE* log)
        : model(model)
        , log(log)
    {
    }

    // Serves until the process is stopped. After an unplug the gadget comes back after replugMs (never when < 0).
    // Returns a process exit status; failures are reported on the error stream.
    int ServeGadgetFs(const QByteArray& gadgetDir, const UsbIdentity& usb, int replugMs);
    int ServeHidg(const QByteArray& device);
    // Creates a configfs gadget with one HID function on the named device controller (its bcdDevice must be
    // binary-coded decimal), serves it, and removes it again when stopped.
    int ServeConfigFs(const QByteArray& udc, const UsbIdentity& usb);

    // Answers one output report's 64 bytes; false once the controller is to leave the bus.
    bool Handle(const uint8_t* report, int length, QByteArray& answer, bool& answered);

private:
    int ServeHidgFd(int fd);
    void Serve(Session& session, int wakeFd);
    void Control(
        int ep0, const struct usb_ctrlrequest& setup, const QByteArray& gadgetDir, Session& session, int wakeFd);

    ControllerModel& model;
    std::FILE* log;
};
