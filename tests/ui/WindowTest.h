// What the window tests share: controls found by name and set or read through their user property, the boxes
// asked, the log, an event loop that runs until a condition holds, and a window on an emulated controller.
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

inline const QByteArray kNormalId = "HID\\VID_04D8&PID_F2C4&REV_000B";

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

inline bool Await(const std::function<bool()>& condition, int milliseconds = 5000)
{
    return QTest::qWaitFor(condition, milliseconds);
}

// The controller is declared first, so that it outlives the window, whose link holds its handles.
struct Bench
{
    EmulatedController Controller;
    TMainForm Form { nullptr, &Controller };
    TSignalStrengthForm Signal;

    explicit Bench(const QByteArray& hardwareId = kNormalId,
        EmulatedController::OpenFailure failure = EmulatedController::OpenFailure::None)
    {
        Controller.AddDevice(hardwareId, failure);
        Form.SetSignalStrengthForm(&Signal);
    }
};
