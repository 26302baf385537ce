// The main window as built: its controls and their places, the tab order of the pages, typing limits of the
// real edits, linked controls, the check-all buttons and Clear.
#include "FormProbe.h"
#include "ui/CSpinEdit.h"
#include "ui/JvCheckBox.h"
#include "ui/LimitedEdit.h"
#include "ui/LimitedMemo.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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
    void placesAndCaptions_data();
    void placesAndCaptions();
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
    QCOMPARE(form.size(), QSize(830, 573));
    QCOMPARE(form.Protocol.ProtocolState, 0);
    QCOMPARE(Bytes(form.Config), DefaultImage());
    QCOMPARE(Bytes(form.ConfigSnapshot), DefaultImage());
    QVERIFY(LogLines(form).isEmpty());

    const QStringList pages = { "Message Control", "I/O Control", "Outputs 1 - 8", "Outputs 9 - 16" };
    QCOMPARE(form.PageControl1->count(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(form.PageControl1->tabText(i), pages[i]);

    auto* log = Control<QPlainTextEdit>(form, QStringLiteral("LogMemo"));
    QVERIFY(log->isReadOnly());
    QCOMPARE(log->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(Control<QLabel>(form, QStringLiteral("Label5"))->wordWrap()); // "Pulse period" of output 1
    QCOMPARE(Control<QLabel>(form, QStringLiteral("Label5"))->text(), QStringLiteral("Pulse period"));

    // Defaults shown: command words filled but disabled, periods 1000, the keyword greyed.
    for (const char* name : { "OutputOnEdit1", "OutputPulseEdit16", "RequestStatusEdit" })
        QVERIFY(!Control<QLineEdit>(form, QLatin1String(name))->isEnabled());
    QCOMPARE(Control<QLineEdit>(form, QStringLiteral("OutputPulseEdit16"))->text(), QStringLiteral("IPPls16"));
    QCOMPARE(Control<QLineEdit>(form, QStringLiteral("RequestStatusEdit"))->text(), QStringLiteral("Send"));
    QCOMPARE(Control<QSpinBox>(form, QStringLiteral("OutputPulseCSpinEdit16"))->value(), 1000);
    QVERIFY(!Control<QSpinBox>(form, QStringLiteral("OutputPulseCSpinEdit16"))->isEnabled());
}

void TestMainForm::placesAndCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    QTest::newRow("memo") << "SMSMessageMemo"
                          << "TabSheet1" << QRect(28, 32, 217, 97) << "";
    QTest::newRow("log") << "LogMemo"
                         << "TabSheet1" << QRect(424, 10, 369, 313) << "";
    QTest::newRow("inhibit") << "InhibitInputCSpinEdit"
                             << "TabSheet1" << QRect(340, 151, 49, 22) << "";
    QTest::newRow("clear") << "ClearButton"
                           << "TabSheet1" << QRect(576, 338, 75, 25) << "Clear";
    QTest::newRow("active group") << "AdvGroupBox3"
                                  << "TabSheet1" << QRect(28, 206, 345, 118) << "Send Message on Active Input";
    QTest::newRow("start status") << "OutputStartStatusAdvGroupBox"
                                  << "TabSheet2" << QRect(380, 3, 345, 129) << "Output Start Status";
    QTest::newRow("first box") << "InvertInputsJvCheckBox1"
                               << "AdvGroupBox2" << QRect(24, 24, 27, 17) << "1";
    QTest::newRow("eighth box") << "InvertInputsJvCheckBox8"
                                << "AdvGroupBox2" << QRect(304, 24, 27, 17) << "8";
    QTest::newRow("ninth box") << "InvertInputsJvCheckBox9"
                               << "AdvGroupBox2" << QRect(24, 56, 27, 17) << "9";
    QTest::newRow("last box") << "InputInactiveMessageJvCheckBox16"
                              << "AdvGroupBox4" << QRect(304, 56, 33, 17) << "16";
    QTest::newRow("all button") << "OutputStartStatusCheckAllButton"
                                << "OutputStartStatusAdvGroupBox" << QRect(56, 96, 75, 17) << "All Active";
    QTest::newRow("none button") << "InvertOutputsCheckNoneButton"
                                 << "AdvGroupBox1" << QRect(216, 96, 75, 17) << "Invert None";
    QTest::newRow("output 1") << "GroupBox1"
                              << "TabSheet3" << QRect(16, 16, 193, 177) << "Output 1";
    QTest::newRow("output 8") << "GroupBox5"
                              << "TabSheet3" << QRect(613, 208, 193, 177) << "Output 8";
    QTest::newRow("output 5") << "GroupBox8"
                              << "TabSheet3" << QRect(16, 208, 193, 177) << "Output 5";
    QTest::newRow("output 12") << "GroupBox9"
                               << "TabSheet4" << QRect(613, 16, 193, 177) << "Output 12";
    QTest::newRow("output 13") << "GroupBox16"
                               << "TabSheet4" << QRect(16, 208, 193, 177) << "Output 13";
    QTest::newRow("on edit 8") << "OutputOnEdit8"
                               << "GroupBox5" << QRect(56, 24, 81, 21) << "";
    QTest::newRow("pulse check 13") << "OutputPulseJvCheckBox13"
                                    << "GroupBox16" << QRect(152, 107, 13, 17) << "";
    QTest::newRow("period 16") << "OutputPulseCSpinEdit16"
                               << "GroupBox13" << QRect(54, 136, 83, 22) << "";
    QTest::newRow("enabled label of 16") << "Label78"
                                         << "GroupBox13" << QRect() << "Enabled";
    QTest::newRow("on label of 1") << "Label1"
                                   << "GroupBox1" << QRect() << "On";
    QTest::newRow("write") << "WriteButton"
                           << "Panel1" << QRect(32, 16, 113, 25) << "Write To QUILMOX";
    QTest::newRow("exit") << "ExitButton"
                          << "Panel1" << QRect(648, 56, 113, 25) << "Exit";
    QTest::newRow("signal") << "SignalStrengthButton"
                            << "Panel1" << QRect(216, 16, 113, 25) << "Get Signal Strength";
}

void TestMainForm::placesAndCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);

    TMainForm form;
    auto* control = Control<QWidget>(form, name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parentName);
    if (geometry.isValid())
        QCOMPARE(control->geometry(), geometry);
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        QCOMPARE(button->text(), caption);
    else if (auto* box = qobject_cast<QGroupBox*>(control))
        QCOMPARE(box->title(), caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), caption);
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

    QTest::newRow("device name") << "DeviceNameEdit"
                                 << "" << 30;
    QTest::newRow("phone number") << "PhoneNumberEdit"
                                  << "" << 32;
    QTest::newRow("password") << "PasswordEdit"
                              << "" << 8;
    QTest::newRow("keyword") << "RequestStatusEdit"
                             << "RequestStatusJvCheckBox" << 15;
    QTest::newRow("first command word") << "OutputOnEdit1"
                                        << "OutputOnJvCheckBox1" << 15;
    QTest::newRow("last command word") << "OutputPulseEdit16"
                                       << "OutputPulseJvCheckBox16" << 15;
}

void TestMainForm::typingLimits()
{
    QFETCH(QString, name);
    QFETCH(QString, enabler);
    QFETCH(int, limit);

    TMainForm form;
    if (!enabler.isEmpty())
        Control<QCheckBox>(form, enabler)->setChecked(true);
    auto* edit = Control<QLineEdit>(form, name);
    edit->clear();
    const QString typed = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCDEF");
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed.left(limit));
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

    edit->setText(QStringLiteral("Pulse7"));
    period->setValue(1234);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(!edit->isEnabled());
    QVERIFY(!period->isEnabled());
    QCOMPARE(edit->text(), QStringLiteral("Pulse7"));
    QCOMPARE(period->value(), 1234);
}

void TestMainForm::checkAllTouchesOwnGroupOnly()
{
    TMainForm form;
    const QByteArray before = Bytes(form.Config);
    QTest::mouseClick(Control<QPushButton>(form, QStringLiteral("InvertInputsCheckAllButton")), Qt::LeftButton);
    for (int k = 1; k <= 16; ++k) {
        QVERIFY(Control<QCheckBox>(form, QStringLiteral("InvertInputsJvCheckBox%1").arg(k))->isChecked());
        QVERIFY(!Control<QCheckBox>(form, QStringLiteral("InvertOutputsJvCheckBox%1").arg(k))->isChecked());
        QVERIFY(!Control<QCheckBox>(form, QStringLiteral("OutputStartStatusJvCheckBox%1").arg(k))->isChecked());
        QVERIFY(!Control<QCheckBox>(form, QStringLiteral("InputActiveMessageJvCheckBox%1").arg(k))->isChecked());
    }
    QCOMPARE(Bytes(form.Config), before);
    QVERIFY(LogLines(form).isEmpty());

    Control<QCheckBox>(form, QStringLiteral("InputInactiveMessageJvCheckBox1"))->setChecked(true);
    Control<QCheckBox>(form, QStringLiteral("InputInactiveMessageJvCheckBox16"))->setChecked(true);
    QTest::mouseClick(
        Control<QPushButton>(form, QStringLiteral("InputInactiveMessageCheckNoneButton")), Qt::LeftButton);
    QVERIFY(!Control<QCheckBox>(form, QStringLiteral("InputInactiveMessageJvCheckBox1"))->isChecked());
    QVERIFY(!Control<QCheckBox>(form, QStringLiteral("InputInactiveMessageJvCheckBox16"))->isChecked());
    QVERIFY(Control<QCheckBox>(form, QStringLiteral("InvertInputsJvCheckBox16"))->isChecked());
}

void TestMainForm::clearEmptiesLog()
{
    TMainForm form;
    form.Log(QStringLiteral("one"));
    form.Log(QStringLiteral("two"));
    QCOMPARE(LogLines(form), (QStringList { "one", "two" }));
    QTest::mouseClick(Control<QPushButton>(form, QStringLiteral("ClearButton")), Qt::LeftButton);
    QVERIFY(LogLines(form).isEmpty());
    form.Log(QStringLiteral("three"));
    QCOMPARE(LogLines(form), QStringList { "three" });
}

QTEST_MAIN(TestMainForm)
#include "test_MainForm.moc"
