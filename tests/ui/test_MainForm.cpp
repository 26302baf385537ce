// The main window's form: element n of every field belongs to the control numbered n in both directions, typing
// stops at the limits, linked controls follow their boxes, the check-all buttons touch their own group, and every
// control of the three windows has a name of its own for assistive technology.
#include "WindowTest.h"
#include "config/AnsiText.h"
#include "ui/SiteWorkForm.h"

namespace {

struct Field
{
    QString name; // of the control
    int offset;
    int width; // 1 a flag, 4 a number, else a text field
};

QList<Field> Fields()
{
    QList<Field> fields { { "SMSMessageMemo", 112, 512 }, { "DeviceNameEdit", 624, 32 }, { "PhoneNumberEdit", 80, 32 },
        { "PasswordEdit", 1808, 16 }, { "RequestStatusEdit", 1828, 16 }, { "RequestStatusJvCheckBox", 1844, 1 },
        { "InhibitInputCSpinEdit", 1824, 4 } };
    const Field families[] = { { "OutputOnEdit", 656, 16 }, { "OutputOffEdit", 912, 16 },
        { "OutputToggleEdit", 1168, 16 }, { "OutputPulseEdit", 1424, 16 }, { "InvertInputsJvCheckBox", 0, 1 },
        { "InvertOutputsJvCheckBox", 16, 1 }, { "OutputStartStatusJvCheckBox", 32, 1 },
        { "InputActiveMessageJvCheckBox", 48, 1 }, { "InputInactiveMessageJvCheckBox", 64, 1 },
        { "OutputOnJvCheckBox", 1744, 1 }, { "OutputOffJvCheckBox", 1760, 1 }, { "OutputToggleJvCheckBox", 1776, 1 },
        { "OutputPulseJvCheckBox", 1792, 1 }, { "OutputPulseCSpinEdit", 1680, 4 } };
    for (const Field& family : families) {
        for (int n = 1; n <= 16; ++n)
            fields.append({ family.name + QString::number(n), family.offset + family.width * (n - 1), family.width });
    }
    return fields;
}

QVariant FieldValue(const QByteArray& image, const Field& field)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(image.constData()) + field.offset;
    if (field.width == 1)
        return bytes[0] != 0;
    return field.width == 4 ? QVariant(qFromLittleEndian<qint32>(bytes)) : ReadTextField(bytes, field.width);
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void init() { StartStrict(); }
    void cleanup() { EndStrict(); }

    // What escapes the tool's message loop is shown in an error box, and the tool then ends with status 1.
    void escapedErrors()
    {
        QCOMPARE(RunShowingEscapedErrors([] { return 7; }), 7);
        ToolkitScript::SetNextAnswer(mrOk);
        QCOMPARE(RunShowingEscapedErrors([]() -> int { throw std::runtime_error("out of luck"); }), 1);
        ToolkitScript::SetNextAnswer(mrOk);
        QCOMPARE(RunShowingEscapedErrors([]() -> int { throw 42; }), 1); // no message of its own
        QCOMPARE(Boxes(), (QStringList { "out of luck", "" }));
    }

    // The window starts on its first page with the defaults, unchanged. Presented blocks show element n on control
    // n; controls set by name collect into element n; so every block the tool writes comes back byte for byte.
    void elementsMeetTheirControls()
    {
        TMainForm shown, typed;
        QCOMPARE(shown.windowTitle(), QStringLiteral("QUILMOX Parlowen Vesion: 1.01"));
        QCOMPARE(shown.PageControl1->currentIndex(), 0);
        QVERIFY(shown.HelpButton->isHidden()); // no help file lies beside the tests
        QCOMPARE(Bytes(shown.Config), DefaultImage());
        shown.CollectForm();
        QVERIFY(!shown.ConfigChanged());
        QRandomGenerator random(20240611);
        for (int round = 0; round < 12; ++round) {
            const QByteArray image = Bytes(shown.Config = RandomToolBlock(random));
            shown.PresentConfig();
            shown.CollectForm();
            QCOMPARE(Bytes(shown.Config).toHex(), image.toHex());
            for (const Field& field : Fields()) {
                // The memo's lines as stored: its plain text would turn no-break spaces into spaces.
                const QVariant value
                    = field.width == 512 ? shown.SMSMessageMemo->Lines().join(QString()) : Value(shown, field.name);
                QCOMPARE(value, FieldValue(image, field));
                Set(typed, field.name, value);
            }
            typed.Config = Block(QByteArray(kConfigBlockSize, '\xA5'));
            typed.CollectForm();
            QCOMPARE(Bytes(typed.Config).left(1845).toHex(), image.left(1845).toHex());
            QCOMPARE(Bytes(typed.Config).mid(1845), QByteArray("\xA5\xA5\xA5")); // Padding keeps its bytes
        }
    }

    // Typing and pasting stop at the limits, a longer text set by code stays whole, Enter adds no line break, a
    // spin edit holds its limits, and the Enabled boxes enable their controls and nothing else.
    void controls()
    {
        TMainForm form;
        Set(form, "OutputOnJvCheckBox16", true);
        Set(form, "RequestStatusJvCheckBox", true);
        for (const auto& [name, limit] : { std::pair { "OutputOnEdit16", 15 }, { "RequestStatusEdit", 15 },
                 { "PasswordEdit", 8 }, { "DeviceNameEdit", 30 }, { "PhoneNumberEdit", 32 } }) {
            auto* edit = form.findChild<QLineEdit*>(name);
            edit->setText("w");
            QTest::keyClicks(edit, QString(limit + 3, 'w'));
            QCOMPARE(edit->text().size(), limit);
            edit->setText(QString(limit + 2, 'x'));
            QTest::keyClicks(edit, "q");
            QCOMPARE(edit->text(), QString(limit + 2, 'x'));
        }
        form.SMSMessageMemo->setPlainText("ab");
        form.SMSMessageMemo->moveCursor(QTextCursor::End);
        QTest::keyClick(form.SMSMessageMemo, Qt::Key_Return);
        QGuiApplication::clipboard()->setText("cd\n" + QString(510, 'x'));
        form.SMSMessageMemo->paste();
        for (const auto& [typed, period] : { std::pair { "70000", 65000 }, { "3", 10 }, { "abc", 10 } }) {
            Set(form, "OutputPulseJvCheckBox7", true);
            form.OutputPulseCSpinEdits[6]->selectAll();
            QTest::keyClicks(form.OutputPulseCSpinEdits[6], typed);
            form.CollectForm();
            QCOMPARE(int(form.Config.OutputPulsePeriod[6]), period);
        }
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(form.Config.SMSMessage), 512),
            "abcd" + QByteArray(505, 'x') + QByteArray(3, 0));
        Set(form, "OutputPulseJvCheckBox7", false);
        Set(form, "RequestStatusJvCheckBox", false);
        for (const char* name : { "OutputPulseEdit7", "OutputPulseCSpinEdit7", "RequestStatusEdit" })
            QVERIFY(!form.findChild<QWidget*>(name)->isEnabled());
        QCOMPARE(Value(form, "RequestStatusEdit").toString(), QString(17, 'x')); // disabled, the word stays
    }

    // All ten buttons: each sets the sixteen boxes of its own group and nothing else. Clear empties the log.
    void checkGroupsAndClear()
    {
        const QStringList prefixes { "InvertInputs", "InvertOutputs", "OutputStartStatus", "InputActiveMessage",
            "InputInactiveMessage" }; // in the order of their fields
        const QByteArray pattern = QByteArray("\1\0\0", 3).repeated(27).left(80); // every third flag set
        TMainForm form;
        for (int g = 0; g < 5; ++g) {
            for (const char* button : { "CheckAllButton", "CheckNoneButton" }) {
                form.Config = Block(pattern);
                form.PresentConfig();
                Click(form, prefixes[g] + button);
                form.CollectForm();
                QCOMPARE(Bytes(form.Config).left(80).toHex(),
                    QByteArray(pattern).replace(16 * g, 16, QByteArray(16, button[5] == 'A')).toHex());
            }
        }
        form.LogMemo->appendPlainText("a line");
        QTest::keyClicks(form.LogMemo, "typed"); // the log is read-only
        QCOMPARE(Log(form), QStringList { "a line" });
        Click(form, "ClearButton");
        QVERIFY(Log(form).isEmpty());
    }

    // Every focusable control of the three windows has a name of its own (of the Site Work window those shown);
    // caption-less boxes show their indicator whole. Site Work sits between Compare and Load File and ends the tab
    // order.
    void accessibility()
    {
        TMainForm form;
        TSignalStrengthForm signal;
        form.show();
        Click(form, "SiteWorkButton");
        auto* site = form.findChild<TSiteWorkForm*>();
        for (QWidget* window : std::initializer_list<QWidget*> { &form, &signal, site }) {
            QStringList names;
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->window() != window || (window == site && !control->isVisibleTo(window)))
                    continue;
                if (control->focusPolicy() & Qt::TabFocus && !control->focusProxy())
                    names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
                if (auto* check = qobject_cast<QCheckBox*>(control); check && check->text().isEmpty())
                    QVERIFY(check->width() >= check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check));
            }
            QVERIFY(!names.contains(QString()));
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        }
        QCOMPARE(form.SignalStrengthButton->nextInFocusChain(), form.CompareButton);
        QCOMPARE(form.CompareButton->nextInFocusChain(), form.SiteWorkButton); // the panel's last
        const QRect place = form.SiteWorkButton->geometry();
        QVERIFY(form.Panel1->rect().contains(place));
        QCOMPARE(place.y(), form.CompareButton->y());
        QVERIFY(place.left() > form.CompareButton->geometry().right() && place.right() < form.LoadButton->x());
        // The controls of output n sit in the box titled for it: outputs 1 - 8 on TabSheet3, 9 - 16 on TabSheet4.
        for (int n = 1; n <= 16; ++n) {
            auto* group = qobject_cast<QGroupBox*>(form.OutputEdits[0][n - 1]->parentWidget());
            QCOMPARE(group->title() + ' ' + group->parentWidget()->objectName(),
                QStringLiteral("Output %1 TabSheet%2").arg(n).arg(n <= 8 ? 3 : 4));
        }
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form.CheckGroupBoxes[0][4]);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Invert input 5"));
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        form.CollectForm();
        QCOMPARE(Bytes(form.Config).left(16), Hex("00000000010000000000000000000000"));
    }
};

QTEST_MAIN(TestMainForm)
#include "test_MainForm.moc"
