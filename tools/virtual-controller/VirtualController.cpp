// gadgetfs: writing the descriptors to the controller file binds the gadget (the host sees a device arrive);
// SET_CONFIGURATION arrives as an event, after which the endpoints are configured and served by a second thread
// while this one goes on answering control requests. Closing the controller file takes the device off the bus.
#include "VirtualController.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/usb/ch9.h>
#include <linux/usb/gadgetfs.h>
#include <poll.h>
#include <sys/signalfd.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kPacket = kReportSize - 1; // the 64 report bytes; the wire carries no report ID
constexpr uint8_t kEndpointIn = 0x81, kEndpointOut = 0x02;
constexpr int kHidClassDescriptor = 0x21, kReportDescriptorType = 0x22;

// Vendor page, one 64-byte input and one 64-byte output report, no report IDs.
const uint8_t kReportDescriptor[] = { 0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, // vendor page, application
    0x09, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, kPacket, 0x81, 0x02, // 64 input bytes
    0x09, 0x03, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, kPacket, 0x91, 0x02, // 64 output bytes
    0xC0 };

QByteArray HidDescriptor()
{
    const uint8_t d[] = { 9, 0x21, 0x11, 0x01, 0, 1, 0x22, sizeof kReportDescriptor, 0 };
    return QByteArray(reinterpret_cast<const char*>(d), sizeof d);
}

QByteArray Endpoint(uint8_t address)
{
    const uint8_t d[] = { USB_DT_ENDPOINT_SIZE, USB_DT_ENDPOINT, address, USB_ENDPOINT_XFER_INT, kPacket, 0, 1 };
    return QByteArray(reinterpret_cast<const char*>(d), sizeof d);
}

// Tag 0, the full-speed configuration (no high-speed one: the controller is a full-speed device), the device.
QByteArray DeviceConfiguration(const UsbIdentity& usb)
{
    const QByteArray tail = HidDescriptor() + Endpoint(kEndpointIn) + Endpoint(kEndpointOut);
    const int total = USB_DT_CONFIG_SIZE + USB_DT_INTERFACE_SIZE + tail.size();
    const uint8_t config[] = { USB_DT_CONFIG_SIZE, USB_DT_CONFIG, uint8_t(total), 0, 1, 1, 0, 0x80, 50 };
    const uint8_t interface[] = { USB_DT_INTERFACE_SIZE, USB_DT_INTERFACE, 0, 0, 2, USB_CLASS_HID, 0, 0, 0 };
    const uint8_t device[]
        = { USB_DT_DEVICE_SIZE, USB_DT_DEVICE, 0x00, 0x02, 0, 0, 0, 64, 0xD8, 0x04, uint8_t(usb.productId),
              uint8_t(usb.productId >> 8), uint8_t(usb.revision), uint8_t(usb.revision >> 8), 0, 0, 0, 1 };
    QByteArray all(4, '\0');
    all += QByteArray(reinterpret_cast<const char*>(config), sizeof config);
    all += QByteArray(reinterpret_cast<const char*>(interface), sizeof interface) + tail;
    return all + QByteArray(reinterpret_cast<const char*>(device), sizeof device);
}

int OpenEndpoint(const QByteArray& path, uint8_t address)
{
    const int fd = open(path.constData(), O_RDWR);
    if (fd < 0)
        return -1;
    const QByteArray config = QByteArray("\x01\0\0\0", 4) + Endpoint(address);
    if (write(fd, config.constData(), config.size()) != config.size()) {
        close(fd);
        return -1;
    }
    return fd;
}

void Interrupted(int) { }

// SIGINT and SIGTERM become readable on a descriptor, so that the loops end cleanly and take the device away.
int StopSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    return signalfd(-1, &set, SFD_CLOEXEC);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

void Reply(int fd, const void* data, int length, int wanted)
{
    if (write(fd, data, std::min(length, wanted)) < 0)
        std::fprintf(stderr, "control answer failed: %s\n", std::strerror(errno));
}

} // namespace

// The endpoints of one configured session and the thread that serves them.
struct Session
{
    int in = -1, out = -1;
    std::thread thread;
    std::atomic<bool> ending { false }, ended { false };

    ~Session() { End(); }
    void End()
    {
        // Closing a file does not wake a read that waits on it; a signal without SA_RESTART does, and the thread
        // sees `ending` before it reads again.
        ending = true;
        while (thread.joinable() && !ended) {
            pthread_kill(thread.native_handle(), SIGUSR1);
            QThread::msleep(5);
        }
        if (thread.joinable())
            thread.join();
        if (in >= 0)
            close(in);
        if (out >= 0)
            close(out);
        in = out = -1;
        ending = ended = false;
    }
};

void VirtualController::Serve(Session& session, int wakeFd)
{
    uint8_t buffer[kPacket];
    while (!session.ending) {
        const ssize_t count = read(session.out, buffer, sizeof buffer);
        if (count <= 0)
            return;
        QByteArray answer;
        bool answered = false;
        const bool stays = Handle(buffer, int(count), answer, answered);
        // A synchronous write returns once the host has taken the report, so the answer is on the host before the
        // device leaves.
        if (answered && write(session.in, answer.constData(), kPacket) != kPacket)
            return;
        if (!stays) {
            (void)!write(wakeFd, "u", 1);
            return;
        }
    }
}

bool VirtualController::Handle(const uint8_t* bytes, int length, QByteArray& answer, bool& answered)
{
    TReport report {};
    std::memcpy(report.data() + 1, bytes, std::min(length, kPacket));
    for (int i = 1; i < kReportSize; ++i)
        std::fprintf(log, i == 1 ? "%02X" : " %02X", report[i]);
    std::fputc('\n', log);
    std::fflush(log);
    const ControllerModel::Reply reply = model.Receive(report);
    answered = reply.answered;
    answer = reply.answer.mid(1);
    return !reply.unplug;
}

// One control request that gadgetfs passes on: the HID class's own (the report descriptor, SET_IDLE) as a HID
// device answers them, SET_CONFIGURATION by configuring the endpoints and starting the session's thread, every
// other request stalled. PARLOWEN_VC_TRACE in the environment lists them.
void VirtualController::Control(
    int ep0, const usb_ctrlrequest& setup, const QByteArray& gadgetDir, Session& session, int wakeFd)
{
    if (std::getenv("PARLOWEN_VC_TRACE"))
        std::fprintf(stderr, "setup %02X %02X %04X %04X %d\n", setup.bRequestType, setup.bRequest, setup.wValue,
            setup.wIndex, setup.wLength);
    const int wanted = setup.wLength;
    const int type = setup.wValue >> 8;
    if (setup.bRequestType == (USB_DIR_IN | USB_RECIP_INTERFACE) && setup.bRequest == USB_REQ_GET_DESCRIPTOR
        && (type == kReportDescriptorType || type == kHidClassDescriptor)) {
        const QByteArray hid = HidDescriptor();
        if (type == kReportDescriptorType)
            Reply(ep0, kReportDescriptor, sizeof kReportDescriptor, wanted);
        else
            Reply(ep0, hid.constData(), hid.size(), wanted);
    } else if (setup.bRequestType == USB_TYPE_STANDARD && setup.bRequest == USB_REQ_SET_CONFIGURATION) {
        session.End();
        if (setup.wValue != 0) {
            session.in = OpenEndpoint(gadgetDir + "/ep1in-bulk", kEndpointIn);
            session.out = OpenEndpoint(gadgetDir + "/ep2out-bulk", kEndpointOut);
            if (session.in < 0 || session.out < 0)
                std::fprintf(stderr, "cannot configure the endpoints: %s\n", std::strerror(errno));
            else
                session.thread = std::thread([this, &session, wakeFd] {
                    Serve(session, wakeFd);
                    session.ended = true;
                });
        }
        (void)!read(ep0, nullptr, 0); // the status stage
    } else if ((setup.bRequestType & USB_DIR_IN) == 0
        && (setup.bRequest == USB_REQ_SET_INTERFACE || setup.bRequestType == (USB_TYPE_CLASS | USB_RECIP_INTERFACE))) {
        (void)!read(ep0, nullptr, 0); // SET_IDLE and the like: accepted, nothing to do
    } else if (setup.bRequestType & USB_DIR_IN) {
        (void)!read(ep0, nullptr, 0); // a read against an IN request stalls it
    } else {
        (void)!write(ep0, nullptr, 0); // a write against an OUT request stalls it
    }
}

int VirtualController::ServeGadgetFs(const QByteArray& gadgetDir, const UsbIdentity& usb, int replugMs)
{
    const QStringList controllers
        = QDir(QString::fromLocal8Bit(gadgetDir)).entryList({ "*udc*" }, QDir::Files | QDir::System);
    if (controllers.isEmpty()) {
        std::fprintf(
            stderr, "no USB device controller in %s (is gadgetfs mounted on dummy_hcd?)\n", gadgetDir.constData());
        return 1;
    }
    const QByteArray ep0Path = gadgetDir + '/' + controllers.first().toLocal8Bit();
    const int stop = StopSignals();
    struct sigaction interrupt
    {
    };
    interrupt.sa_handler = Interrupted; // no SA_RESTART: a read waiting on an endpoint returns EINTR
    sigaction(SIGUSR1, &interrupt, nullptr);
    bool stopped = false;
    while (!stopped) {
        const int ep0 = open(ep0Path.constData(), O_RDWR);
        const QByteArray descriptors = DeviceConfiguration(usb);
        if (ep0 < 0 || write(ep0, descriptors.constData(), descriptors.size()) != descriptors.size()) {
            std::fprintf(stderr, "%s: cannot set up the gadget: %s\n", ep0Path.constData(), std::strerror(errno));
            return 1;
        }
        std::fprintf(stderr, "plugged in: 04D8:%04X revision %04X\n", usb.productId, usb.revision);
        int wake[2];
        if (pipe(wake) != 0)
            return 1;
        Session session;
        bool plugged = true;
        while (plugged) {
            pollfd fds[3] = { { ep0, POLLIN, 0 }, { wake[0], POLLIN, 0 }, { stop, POLLIN, 0 } };
            if (poll(fds, 3, -1) < 0 && errno != EINTR)
                break;
            stopped = fds[2].revents != 0;
            if (fds[1].revents || stopped) {
                plugged = false; // the model left the bus, or the program is stopped
                break;
            }
            if (!(fds[0].revents & POLLIN))
                continue;
            usb_gadgetfs_event events[5];
            const ssize_t got = read(ep0, events, sizeof events);
            if (got < 0) {
                if (errno == EAGAIN || errno == EINTR)
                    continue;
                std::fprintf(stderr, "gadget events: %s\n", std::strerror(errno));
                return 1;
            }
            for (int i = 0; i < int(got / sizeof events[0]); ++i) {
                const usb_gadgetfs_event& event = events[i];
                if (event.type == GADGETFS_DISCONNECT) {
                    session.End();
                    continue;
                }
                if (event.type != GADGETFS_SETUP)
                    continue;
                Control(ep0, event.u.setup, gadgetDir, session, wake[1]);
            }
        }
        session.End();
        close(wake[0]);
        close(wake[1]);
        close(ep0);
        std::fprintf(stderr, "unplugged\n");
        if (replugMs < 0 || stopped)
            break;
        QThread::msleep(replugMs);
        model.SilenceAfter(-1);
    }
    return 0;
}

int VirtualController::ServeHidg(const QByteArray& device)
{
    const int fd = open(device.constData(), O_RDWR);
    if (fd < 0) {
        std::fprintf(stderr, "%s: %s\n", device.constData(), std::strerror(errno));
        return 1;
    }
    const int status = ServeHidgFd(fd);
    close(fd);
    return status;
}

int VirtualController::ServeHidgFd(int fd)
{
    const int stop = StopSignals();
    uint8_t buffer[kPacket];
    for (;;) {
        pollfd fds[2] = { { fd, POLLIN, 0 }, { stop, POLLIN, 0 } };
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            return 1;
        if (fds[1].revents)
            return 0;
        if (!(fds[0].revents & POLLIN))
            continue;
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count <= 0)
            return count < 0 && errno != EINTR ? 1 : 0;
        QByteArray answer;
        bool answered = false;
        const bool stays = Handle(buffer, int(count), answer, answered);
        if ((answered && write(fd, answer.constData(), kPacket) != kPacket) || !stays)
            return 0;
    }
}

int VirtualController::ServeConfigFs(const QByteArray& udc, const UsbIdentity& usb)
{
    const QString gadget = QStringLiteral("/sys/kernel/config/usb_gadget/parlowen-%1").arg(getpid());
    const QString function = gadget + "/functions/hid.usb0", config = gadget + "/configs/c.1";
    auto hex = [](int value) { return "0x" + QByteArray::number(value, 16); };
    const bool made = QDir().mkpath(function) && QDir().mkpath(config) && WriteFile(gadget + "/idVendor", "0x04d8")
        && WriteFile(gadget + "/idProduct", hex(usb.productId)) && WriteFile(gadget + "/bcdDevice", hex(usb.revision))
        && WriteFile(function + "/protocol", "0") && WriteFile(function + "/subclass", "0")
        && WriteFile(function + "/report_length", QByteArray::number(kPacket))
        && WriteFile(function + "/report_desc",
            QByteArray(reinterpret_cast<const char*>(kReportDescriptor), sizeof kReportDescriptor))
        && symlink(qPrintable(function), qPrintable(config + "/hid.usb0")) == 0 && WriteFile(gadget + "/UDC", udc);
    int status = 1;
    QFile dev(function + "/dev");
    const QByteArray number = dev.open(QIODevice::ReadOnly) ? dev.readAll().trimmed() : QByteArray();
    QFile uevent("/sys/dev/char/" + QString::fromLatin1(number) + "/uevent");
    QByteArray node;
    for (const QByteArray& line : uevent.open(QIODevice::ReadOnly) ? uevent.readAll().split('\n') : QList<QByteArray>())
        node = line.startsWith("DEVNAME=") ? "/dev/" + line.mid(8) : node;
    if (!made || node.isEmpty())
        std::fprintf(stderr, "cannot set up the configfs gadget on %s: %s\n", udc.constData(), std::strerror(errno));
    else {
        std::fprintf(
            stderr, "plugged in: 04D8:%04X revision %04X at %s\n", usb.productId, usb.revision, node.constData());
        status = ServeHidg(node);
    }
    WriteFile(gadget + "/UDC", "\n");
    unlink(qPrintable(config + "/hid.usb0"));
    for (const QString& dir : { config, function, gadget })
        rmdir(qPrintable(dir));
    return status;
}
