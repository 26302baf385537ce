// The main window as built: the output groups and their places, the tab order of the pages, typing limits of the
// real edits and the memo, linked controls, the check-all buttons and Clear.
#include "FormProbe.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

namespace {

// The names in `expected` in the order the focus chain meets them, starting at the window, each once.
QStringList ChainOrder(QWidget& form, const QStringList& expected)
{
    QStringList seen;
    QWidget* w = &form;
    do {
        for (QWidget* up = w; up && up != &form; up = up->parentWidget()) {
            if (expected.contains(up->objectName())) {
                if (!seen.contains(up->objectName()))
                    seen.append(up->objectName());
                break;
            }
        }
        w = w->nextInFocusChain();
    } while (w != &form);
    return seen;
}

QStringList CheckGroupNames(const QString& prefix)
{
    QStringList names;
    for (int k = 1; k <= 16; ++k)
        names << prefix + QStringLiteral("JvCheckBox%1").arg(k);
    return names << prefix + QStringLiteral("CheckAllButton") << prefix + QStringLiteral("CheckNoneButton");
}

QStringList OutputGroupNames(const QList<int>& outputs)
{
    QStringList names;
    for (int n : outputs) {
        for (const char* c : { "On", "Off", "Toggle", "Pulse" })
            names << QStringLiteral("Output%1Edit%2").arg(QLatin1String(c)).arg(n);
        for (const char* c : { "On", "Off", "Toggle", "Pulse" })
            names << QStringLiteral("Output%1JvCheckBox%2").arg(QLatin1String(c)).arg(n);
        names << QStringLiteral("OutputPulseCSpinEdit%1").arg(n);
    }
    return names;
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void controlsStandInTheirOutputGroup_data();
    void controlsStandInTheirOutputGroup();
    void resizeKeepsPanelDocked();
    void tabOrder_data();
    void tabOrder();
    void typingLimits_data();
    void typingLimits();
    void fullFieldSurvivesAndTypingAddsNothing();
    void pulseBoxEnablesEditAndPeriod();
    void checkAllTouchesOwnGroupOnly();
    void clearEmptiesLog();
};

void TestMainForm::startState()
{
    TMainForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("QUILMOX Parlowen Vesion: 1.01"));
    QCOMPARE(form.PageControl1->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QCOMPARE(Bytes(form.Config), DefaultImage());
    QCOMPARE(Bytes(form.ConfigSnapshot), DefaultImage());
    QVERIFY(LogLines(form).isEmpty());
    QVERIFY(Control<QPlainTextEdit>(form, QStringLiteral("LogMemo"))->isReadOnly());
    QCOMPARE(form.PageControl1->tabText(3), QStringLiteral("Outputs 9 - 16"));

    // Defaults shown: command words filled but disabled, periods 1000, the keyword greyed.
    for (const char* name : { "OutputOnEdit1", "OutputPulseEdit16", "RequestStatusEdit" })
        QVERIFY(!Control<QLineEdit>(form, QLatin1String(name))->isEnabled());
    QCOMPARE(Control<QLineEdit>(form, QStringLiteral("OutputPulseEdit16"))->text(), QStringLiteral("IPPls16"));
    QCOMPARE(Control<QLineEdit>(form, QStringLiteral("RequestStatusEdit"))->text(), QStringLiteral("Send"));
    QCOMPARE(Control<QSpinBox>(form, QStringLiteral("OutputPulseCSpinEdit16"))->value(), 1000);
    QVERIFY(!Control<QSpinBox>(form, QStringLiteral("OutputPulseCSpinEdit16"))->isEnabled());
}

void TestMainForm::controlsStandInTheirOutputGroup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QRect>("geometry");

    // The groups stand in a grid by output number, but the lower row of each page is named from the right.
    const auto row = [](const char* name, const char* group, const char* caption, const char* page, QRect at) {
        QTest::newRow(name) << name << group << caption << page << at;
    };
    row("OutputOnEdit1", "GroupBox1", "Output 1", "TabSheet3", QRect(16, 16, 193, 177));
    row("OutputOnEdit8", "GroupBox5", "Output 8", "TabSheet3", QRect(613, 208, 193, 177));
    row("OutputPulseCSpinEdit5", "GroupBox8", "Output 5", "TabSheet3", QRect(16, 208, 193, 177));
    row("OutputToggleJvCheckBox12", "GroupBox9", "Output 12", "TabSheet4", QRect(613, 16, 193, 177));
    row("OutputPulseJvCheckBox13", "GroupBox16", "Output 13", "TabSheet4", QRect(16, 208, 193, 177));
    row("OutputPulseCSpinEdit16", "GroupBox13", "Output 16", "TabSheet4", QRect(613, 208, 193, 177));
}

void TestMainForm::controlsStandInTheirOutputGroup()
{
    QFETCH(QString, name);
    QFETCH(QString, group);
    QFETCH(QString, caption);
    QFETCH(QString, page);
    QFETCH(QRect, geometry);

    TMainForm form;
    auto* box = qobject_cast<QGroupBox*>(Control<QWidget>(form, name)->parentWidget());
    QVERIFY(box);
    QCOMPARE(box->objectName(), group);
    QCOMPARE(box->title(), caption);
    QCOMPARE(box->parentWidget()->objectName(), page);
    QCOMPARE(box->geometry(), geometry);
}

void TestMainForm::resizeKeepsPanelDocked()
{
    TMainForm form;
    form.show();
    form.resize(1000, 700);
    QTRY_COMPARE(form.Panel1->geometry(), QRect(0, 607, 1000, 93));
    QCOMPARE(form.PageControl1->geometry(), QRect(0, 0, 1000, 607));
    QCOMPARE(Control<QWidget>(form, QStringLiteral("ExitButton"))->pos(), QPoint(648, 56));
}

void TestMainForm::tabOrder_data()
{
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("Message Control") << (QStringList { "SMSMessageMemo", "DeviceNameEdit", "PhoneNumberEdit" }
        + CheckGroupNames("InputActiveMessage") + CheckGroupNames("InputInactiveMessage")
        + QStringList { "LogMemo", "ClearButton", "PasswordEdit", "InhibitInputCSpinEdit", "RequestStatusEdit",
            "RequestStatusJvCheckBox" });
    QTest::newRow("I/O Control") << (CheckGroupNames("OutputStartStatus") + CheckGroupNames("InvertOutputs")
        + CheckGroupNames("InvertInputs"));
    QTest::newRow("Outputs 1 - 8") << OutputGroupNames({ 1, 2, 3, 4, 8, 7, 6, 5 });
    QTest::newRow("Outputs 9 - 16") << OutputGroupNames({ 12, 11, 10, 9, 16, 15, 14, 13 });
    QTest::newRow("panel") << QStringList { "ExitButton", "SaveButton", "LoadButton", "ReadButton", "WriteButton",
        "HelpButton", "SignalStrengthButton" };
    QTest::newRow("pages before panel") << QStringList { "PageControl1", "Panel1" };
}

void TestMainForm::tabOrder()
{
    QFETCH(QStringList, expected);
    TMainForm form;
    QCOMPARE(ChainOrder(form, expected), expected);
}

void TestMainForm::typingLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("enabler");
    QTest::addColumn<int>("limit");

    QTest::newRow("device name") << "DeviceNameEdit" << QString() << 30;
    QTest::newRow("phone number") << "PhoneNumberEdit" << QString() << 32;
    QTest::newRow("password") << "PasswordEdit" << QString() << 8;
    QTest::newRow("keyword") << "RequestStatusEdit"
                             << "RequestStatusJvCheckBox" << 15;
    QTest::newRow("first command word") << "OutputOnEdit1"
                                        << "OutputOnJvCheckBox1" << 15;
    QTest::newRow("last command word") << "OutputPulseEdit16"
                                       << "OutputPulseJvCheckBox16" << 15;
    QTest::newRow("message") << "SMSMessageMemo" << QString() << 509;
}

void TestMainForm::typingLimits()
{
    QFETCH(QString, name);
    QFETCH(QString, enabler);
    QFETCH(int, limit);

    TMainForm form;
    if (!enabler.isEmpty())
        QTest::mouseClick(Control<QCheckBox>(form, enabler), Qt::LeftButton, {}, QPoint(6, 8));
    // Two characters short of the limit, then three typed at the end: two fit.
    const QString start(limit - 2, QLatin1Char('a'));
    SetControl(form, name, start);
    QTest::keyClick(Control<QWidget>(form, name), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(Control<QWidget>(form, name), QStringLiteral("xyz"));
    QCOMPARE(ControlValue(form, name).toString(), start + QStringLiteral("xy"));
}

void TestMainForm::fullFieldSurvivesAndTypingAddsNothing()
{
    TMainForm form;
    QByteArray image = DefaultImage();
    const QByteArray name(32, 'D');
    const QByteArray password = "PW345678abcdefgh";
    const QByteArray word = "W234567890abcdef";
    image.replace(624, 32, name);
    image.replace(1808, 16, password);
    image.replace(656 + 16 * 7, 16, word); // OutputOn of output 8
    image[1744 + 7] = 1; // and enabled, so it can be typed into
    std::memcpy(BlockBytes(form.Config), image.constData(), kConfigBlockSize);
    form.PresentConfig();

    auto* deviceName = Control<QLineEdit>(form, QStringLiteral("DeviceNameEdit"));
    auto* onWord = Control<QLineEdit>(form, QStringLiteral("OutputOnEdit8"));
    QCOMPARE(deviceName->text(), QString::fromLatin1(name));
    QCOMPARE(onWord->text(), QString::fromLatin1(word));
    QVERIFY(onWord->isEnabled());
    QTest::keyClicks(deviceName, QStringLiteral("x"));
    QTest::keyClicks(onWord, QStringLiteral("x"));
    QTest::keyClicks(Control<QLineEdit>(form, QStringLiteral("PasswordEdit")), QStringLiteral("x"));

    std::memset(BlockBytes(form.Config), 0x5A, kConfigBlockSize - 3);
    form.CollectForm();
    QCOMPARE(Bytes(form.Config), image);
}

void TestMainForm::pulseBoxEnablesEditAndPeriod()
{
    TMainForm form;
    auto* box = Control<QCheckBox>(form, QStringLiteral("OutputPulseJvCheckBox7"));
    auto* edit = Control<QLineEdit>(form, QStringLiteral("OutputPulseEdit7"));
    auto* period = Control<QSpinBox>(form, QStringLiteral("OutputPulseCSpinEdit7"));
    QVERIFY(!edit->isEnabled());
    QVERIFY(!period->isEnabled());

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(box->isChecked());
    QVERIFY(edit->isEnabled());
    QVERIFY(period->isEnabled());
    QVERIFY(!Control<QLineEdit>(form, QStringLiteral("OutputToggleEdit7"))->isEnabled());
    QVERIFY(!Control<QSpinBox>(form, QStringLiteral("OutputPulseCSpinEdit6"))->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(!edit->isEnabled());
    QVERIFY(!period->isEnabled());
}

void TestMainForm::checkAllTouchesOwnGroupOnly()
{
    TMainForm form;
    const QByteArray before = Bytes(form.Config);
    const auto box = [&](const char* group, int n) {
        return Control<QCheckBox>(form, QStringLiteral("%1JvCheckBox%2").arg(QLatin1String(group)).arg(n));
    };
    QTest::mouseClick(Control<QPushButton>(form, QStringLiteral("InvertInputsCheckAllButton")), Qt::LeftButton);
    for (int n = 1; n <= 16; ++n) {
        QVERIFY(box("InvertInputs", n)->isChecked());
        for (const char* other : { "InvertOutputs", "OutputStartStatus", "InputActiveMessage", "InputInactiveMessage" })
            QVERIFY(!box(other, n)->isChecked());
    }
    // The block changes only when the form is collected.
    QCOMPARE(Bytes(form.Config), before);

    box("InputInactiveMessage", 1)->setChecked(true);
    box("InputInactiveMessage", 16)->setChecked(true);
    QTest::mouseClick(
        Control<QPushButton>(form, QStringLiteral("InputInactiveMessageCheckNoneButton")), Qt::LeftButton);
    QVERIFY(!box("InputInactiveMessage", 1)->isChecked());
    QVERIFY(!box("InputInactiveMessage", 16)->isChecked());
    QVERIFY(box("InvertInputs", 16)->isChecked());
}

void TestMainForm::clearEmptiesLog()
{
    TMainForm form;
    form.Log(QStringLiteral("one"));
    form.Log(QStringLiteral("two"));
    QCOMPARE(LogLines(form), (QStringList { "one", "two" }));
    QTest::mouseClick(Control<QPushButton>(form, QStringLiteral("ClearButton")), Qt::LeftButton);
    QVERIFY(LogLines(form).isEmpty());
}

QTEST_MAIN(TestMainForm)
#include "test_MainForm.moc"
