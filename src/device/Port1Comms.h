// The report reader thread: reads the controller's input reports and hands each one to the GUI thread, waiting
// until it has been handled before it reads again.
#pragma once

#include "device/HidPort.h"
#include "protocol/Report.h"

#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <cstdint>
#include <functional>

class Port1Comms : public QThread
{
    Q_OBJECT

public:
    // How long one read waits before the stop flag is looked at again.
    static constexpr int kReadTimeoutMs = 50;
    // How long one wait for the GUI thread lasts before the stop flag is looked at again.
    static constexpr int kHandOverPollMs = 20;

    // handOver is called on `guiContext`'s thread for each report, after the report has been copied into
    // receiveBuffer; lost is called there once when a read fails. readHandle, receiveBuffer and connected must
    // outlive the thread.
    Port1Comms(HidDevice& readHandle, uint8_t* receiveBuffer, std::atomic<uint8_t>& connected, QObject* guiContext,
        std::function<void()> handOver, std::function<void()> lost);
    ~Port1Comms() override;

    // Asks the loop to end; it does at once when parked, else within one read or hand-over poll. Join with wait().
    void Stop();
    // Once the report in hand is handed over, read nothing more until Resume: a parked reader waits on no device,
    // so stopping it ends it at once instead of after a read's time-out.
    void Park();
    void Resume();

protected:
    void run() override;

private:
    bool HandOver();

    HidDevice& readHandle;
    uint8_t* receiveBuffer;
    std::atomic<uint8_t>& connected;
    QObject* guiContext;
    std::function<void()> handOver;
    std::function<void()> lost;
    std::atomic<bool> stopRequested { false };
    QMutex gate; // guards parked; wake tells the reader that parked or stopRequested changed
    QWaitCondition wake;
    bool parked = false;
    TReport readBuffer {};
};
