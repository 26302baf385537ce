// The emulated controller behind handles that hold each answer back until a set time after its report was written
// (the last stretch waited out exactly: a sleep may overrun by the system's timer slack), noting the first write.
// The benchmarks measure the tool against it: what they add to the answers' time is the tool's own.
#pragma once

#include "EmulatedController.h"

#include <atomic>
#include <chrono>
#include <thread>

// Milliseconds on the system's monotonic clock, which a parent and its child share.
inline double Now()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

class TimedPort : public HidPort
{
public:
    explicit TimedPort(double answerMs)
        : answerMs(answerMs)
    {
    }

    EmulatedController controller;
    const double answerMs;
    double firstWrite = 0;
    std::atomic<double> lastWrite { 0 };

    std::vector<HidInterfaceInfo> Enumerate() override { return controller.Enumerate(); }
    std::unique_ptr<HidDevice> Open(const QByteArray& path, HidAccess access) override
    {
        struct Timed : HidDevice
        {
            std::unique_ptr<HidDevice> inner;
            TimedPort& port;
            Timed(std::unique_ptr<HidDevice> inner, TimedPort& port)
                : inner(std::move(inner))
                , port(port)
            {
            }
            int Read(uint8_t* report, int timeoutMs) override
            {
                const int count = inner->Read(report, timeoutMs);
                const double due = port.lastWrite + port.answerMs;
                if (count > 0 && due - Now() > 0.2)
                    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(due - Now() - 0.2));
                while (count > 0 && Now() < due) { }
                return count;
            }
            int Write(const TReport& report) override
            {
                port.lastWrite = Now();
                port.firstWrite = port.firstWrite > 0 ? port.firstWrite : port.lastWrite.load();
                return inner->Write(report);
            }
        };
        auto device = controller.Open(path, access);
        return device ? std::make_unique<Timed>(std::move(device), *this) : nullptr;
    }
};
