// Helpers for driving the main window's device commands against the emulated controller: a bench that owns
// both, waiting for transfers, and readings of what went over the wire.
#pragma once

#include "EmulatedController.h"
#include "FormProbe.h"
#include "ui/SignalStrengthForm.h"
#include "ui/ToolkitServices.h"

#include <QAbstractEventDispatcher>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <functional>

namespace DeviceProbe {

inline const QByteArray kNormalId = "HID\\VID_04D8&PID_F2C4&REV_000B";
inline const QByteArray kProgramModeId = "HID\\VID_04D8&PID_F2C4&REV_0001";

// The controller is declared first so that it outlives the window, whose link still holds its handles.
struct Bench
{
    EmulatedController Controller;
    TMainForm Form { nullptr, &Controller };
    TSignalStrengthForm Signal;

    Bench() { Form.SetSignalStrengthForm(&Signal); }
};

// The reader has taken every queued report and, its hand-over done, waits in a read again.
inline bool ReaderIdle(const EmulatedController& controller)
{
    return controller.PendingInputs() == 0 && controller.WaitingReads() > 0;
}

// Runs the GUI thread's event loop until `condition` holds or `timeoutMs` has passed. The condition is looked at
// whenever the loop runs out of events, so a transfer of many round trips ends as soon as its last report is
// handled; a short timer covers what only the reader thread changes.
inline bool Await(const std::function<bool()>& condition, int timeoutMs = 5000)
{
    if (condition())
        return true;
    QEventLoop loop;
    const auto look = [&] {
        if (condition())
            loop.quit();
    };
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop, look);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, look);
    poll.start(2);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

inline bool BoxAsked(int count = 1)
{
    return Await([count] { return ToolkitScript::AskedBoxes().size() >= count; });
}

// Waits without running the GUI thread's event loop, so that a report the reader took stays in its hand-over.
inline bool WaitWithoutEvents(const std::function<bool()>& condition)
{
    QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(1);
    }
    return true;
}

inline QByteArray Slice(const TReport& report, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(report.data()) + from, count);
}

// Byte 1 of every output report, in order.
inline QByteArray Commands(const std::vector<TReport>& log)
{
    QByteArray letters;
    for (const TReport& report : log)
        letters += char(report[1]);
    return letters;
}

// A text padded with zero bytes to `width`.
inline QByteArray Padded(const QByteArray& text, int width)
{
    return text + QByteArray(width - text.size(), '\0');
}

} // namespace DeviceProbe
