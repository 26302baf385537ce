// The reader never blocks without a time-out: a read waits kReadTimeoutMs and a hand-over waits in kHandOverPollMs
// steps, so a stop request is always seen and the GUI thread can join the reader without deadlock.
#include "device/Port1Comms.h"

#include <QMetaObject>
#include <QSemaphore>
#include <memory>

Port1Comms::Port1Comms(HidDevice& readHandle, uint8_t* receiveBuffer, std::atomic<uint8_t>& connected,
    QObject* guiContext, std::function<void()> handOver, std::function<void()> lost)
    : readHandle(readHandle)
    , receiveBuffer(receiveBuffer)
    , connected(connected)
    , guiContext(guiContext)
    , handOver(std::move(handOver))
    , lost(std::move(lost))
{
}

Port1Comms::~Port1Comms()
{
    Stop();
    wait();
}

void Port1Comms::Stop()
{
    QMutexLocker lock(&gate);
    stopRequested = true;
    wake.wakeAll();
}

void Port1Comms::Park()
{
    QMutexLocker lock(&gate);
    parked = true;
}

void Port1Comms::Resume()
{
    QMutexLocker lock(&gate);
    parked = false;
    wake.wakeAll();
}

void Port1Comms::run()
{
    while (!stopRequested && connected) {
        {
            QMutexLocker lock(&gate);
            while (parked && !stopRequested)
                wake.wait(&gate);
        }
        if (stopRequested)
            break;
        const int count = readHandle.Read(readBuffer.data(), kReadTimeoutMs);
        if (count < 0) {
            // The device failed or is gone: the link is down and the GUI side releases the handles later.
            connected = 0;
            QMetaObject::invokeMethod(guiContext, lost, Qt::QueuedConnection);
            break;
        }
        if (count == 0)
            continue;
        const int length = count < kReportSize ? count : kReportSize;
        // Bytes from `length` on keep the previous report's values, as the protocol expects of a short read.
        for (int i = 0; i < length; ++i) {
            receiveBuffer[i] = readBuffer[i];
            readBuffer[i] = 0;
        }
        if (!HandOver())
            break;
    }
}

bool Port1Comms::HandOver()
{
    // The semaphore is shared with the queued call, which may run after this thread has gone (stop while pending).
    auto done = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        guiContext,
        [done, handler = handOver] {
            handler();
            done->release();
        },
        Qt::QueuedConnection);
    while (!done->tryAcquire(1, kHandOverPollMs)) {
        if (stopRequested)
            return false;
    }
    return true;
}
