// The tool's own cost per report round trip: a whole write and a whole read against an emulated controller that
// answers at once, through the real reader thread and the hand-over to the GUI thread. The controller's USB link
// allows at best one report per millisecond each way, so the figure should stay far below 1000 us.
//
// Usage: bench_transfer [runs]   (default 200; prints the median per round trip)
#include "EmulatedController.h"
#include "config/ConfigBlock.h"
#include "device/DeviceLink.h"
#include "protocol/DeviceProtocol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class BenchHost : public ProtocolHost
{
public:
    TDeviceLink* link = nullptr;
    QEventLoop* loop = nullptr;
    int reportsSent = 0;

    void SendReport(const TReport& report) override
    {
        ++reportsSent;
        link->SendReport(report);
    }
    void AppendLog(const QString&) override { }
    void ShowError(const QString& text) override
    {
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(text));
        loop->exit(1);
    }
    void ShowInformation(const QString&) override { loop->exit(0); } // "Download Complete" / "Read Complete"
    void PresentConfig() override { }
    void ShowSignalStrength(int) override { }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    EmulatedController controller;
    controller.AddDevice("HID\\VID_04D8&PID_F2C4&REV_000B");
    TConfigBlock config {};
    SetDefaults(config);
    BenchHost host;
    TDeviceProtocol protocol(config, host);
    TDeviceLink link(controller, protocol.ReceiveBuffer.data(), [&] { protocol.HandleInputReport(); });
    QEventLoop loop;
    host.link = &link;
    host.loop = &loop;
    if (link.ConnectDevice() != ConnectResult::Ready) {
        std::fprintf(stderr, "emulated controller not found\n");
        return 1;
    }

    std::vector<double> perRoundTrip;
    perRoundTrip.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        host.reportsSent = 0;
        timer.start();
        protocol.StartWrite();
        if (loop.exec() != 0)
            return 1;
        protocol.StartRead();
        if (loop.exec() != 0)
            return 1;
        const qint64 ns = timer.nsecsElapsed();
        if (host.reportsSent != 45 + 43) {
            std::fprintf(stderr, "expected 88 reports, sent %d\n", host.reportsSent);
            return 1;
        }
        perRoundTrip.push_back(ns / 1000.0 / host.reportsSent);
    }
    std::sort(perRoundTrip.begin(), perRoundTrip.end());
    std::printf("runs: %d (a write of 45 and a read of 43 reports each)\n", runs);
    std::printf("fastest run: %.1f us, slowest run: %.1f us per round trip\n", perRoundTrip.front(),
                perRoundTrip.back());
    std::printf("per round trip: %.1f us\n", perRoundTrip[perRoundTrip.size() / 2]);
    return 0;
}
