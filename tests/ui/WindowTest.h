// What the window tests share: controls found by name and set or read through their user property, the boxes
// asked, the log, an event loop that runs until a condition holds, a window on an emulated controller and whether
// its device commands are offered.
#pragma once

#include "EmulatedController.h"
#include "TestSupport.h"
#include "ui/MainForm.h"
#include "ui/SignalStrengthForm.h"
#include "ui/ToolkitServices.h"
#include "ui/controls/CSpinEdit.h"
#include "ui/controls/JvCheckBox.h"
#include "ui/controls/LimitedEdit.h"
#include "ui/controls/LimitedMemo.h"

#include <QtTest>
#include <QtWidgets>

// Every window test is strict: a box no script answers is cancelled at once and fails the test in cleanup. The
// window's settings live in the tests' own location, never the user's: test mode on Linux, a key of the tests'
// own in the registry on Windows, where settings need an organisation's name to be kept at all.
inline void StartStrict()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("QUILMOX"));
    QCoreApplication::setApplicationName(QStringLiteral("parlowen-tests"));
    ToolkitScript::Reset();
    ToolkitScript::SetStrict(true);
}
inline void EndStrict()
{
    QCOMPARE(ToolkitScript::Unanswered(), QStringList());
    ToolkitScript::Reset();
}

// A 10 ms timer on the window's thread; the longest pause between its ticks tells how long the thread was held.
struct Heartbeat
{
    QElapsedTimer clock;
    QTimer timer;
    qint64 longest = 0;
    Heartbeat()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { longest = std::max(longest, clock.restart()); });
        clock.start();
        timer.start(10);
    }
};

inline void Set(QWidget& form, const QString& name, const QVariant& value)
{
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY2(widget && widget->metaObject()->userProperty().write(widget, value), qPrintable(name));
}
inline QVariant Value(QWidget& form, const QString& name)
{
    auto* widget = form.findChild<QWidget*>(name);
    return widget ? widget->metaObject()->userProperty().read(widget) : QVariant();
}
// With `answer`, the box the click brings is answered so.
inline void Click(QWidget& form, const QString& name, int answer = 0)
{
    if (answer)
        ToolkitScript::SetNextAnswer(answer);
    QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton);
}

inline QStringList Boxes()
{
    QStringList texts;
    for (const auto& box : ToolkitScript::AskedBoxes())
        texts << box.Text;
    return texts;
}
inline QStringList Log(const TMainForm& form)
{
    return form.LogMemo->toPlainText().split('\n', Qt::SkipEmptyParts);
}

// A file name as the window shows it: with the system's separators.
inline QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The condition is looked at after every event, and at least every millisecond for what other threads change:
// QTest::qWaitFor sleeps 10 ms between its looks, which would pace every report of a transfer.
inline bool Await(const std::function<bool()>& condition, int milliseconds = 5000)
{
    QTimer look;
    look.start(1);
    for (const QDeadlineTimer deadline(milliseconds); !condition() && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return condition();
}

inline bool AwaitBoxes(int count)
{
    return Await([count] { return Boxes().size() >= count; });
}

// The controller is declared first, so that it outlives the window, whose link holds its handles. Each bench
// starts a strict script of its own, so the rows of a loop start alike.
struct Bench
{
    EmulatedController Controller;
    TMainForm Form { nullptr, &Controller };
    TSignalStrengthForm Signal;

    QByteArray Path; // of the controller's interface
    // The commands of the reports the controller received, from report `from` on.
    QByteArray Sent(std::size_t from = 0) const { return Commands(Controller.OutputLog(), from); }

    explicit Bench(const QByteArray& hardwareId = kNormal,
        EmulatedController::OpenFailure failure = EmulatedController::OpenFailure::None)
    {
        StartStrict();
        Path = Controller.AddDevice(hardwareId, failure);
        Form.SetSignalStrengthForm(&Signal);
    }
};

inline const QStringList kDeviceButtons { "WriteButton", "ReadButton", "SignalStrengthButton", "CompareButton" };

// "offered" or "busy" when the four buttons, Refresh and the cursor agree; a batch holding the session leaves the
// cursor as it is.
inline QString DeviceCommands(Bench& bench)
{
    const bool offered = bench.Form.WriteButton->isEnabled();
    bool agree = bench.Signal.RefreshButton->isEnabled() == offered
        && (bench.Form.cursor().shape() == Qt::BusyCursor) == (!offered && !bench.Form.Session().Held());
    for (const QString& button : kDeviceButtons)
        agree = agree && bench.Form.findChild<QPushButton*>(button)->isEnabled() == offered;
    return !agree ? "mixed" : offered ? "offered" : "busy";
}
