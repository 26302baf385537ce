// The main window's form: element n of every field belongs to the control numbered n in both directions, values
// the controls cannot hold are normalised, typing stops at the limits, linked controls follow their boxes, the
// check-all buttons touch their own group, and every control has a name of its own for assistive technology.
#include "WindowTest.h"
#include "config/AnsiText.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>

namespace {

struct Field
{
    QString name; // the control
    int offset;
    int width; // 1 a flag, 4 a number, else a text field
};

QList<Field> Fields()
{
    QList<Field> fields { { "SMSMessageMemo", 112, 512 }, { "DeviceNameEdit", 624, 32 }, { "PhoneNumberEdit", 80, 32 },
        { "PasswordEdit", 1808, 16 }, { "RequestStatusEdit", 1828, 16 }, { "RequestStatusJvCheckBox", 1844, 1 },
        { "InhibitInputCSpinEdit", 1824, 4 } };
    const Field families[] = { { "OutputOnEdit", 656, 16 }, { "OutputOffEdit", 912, 16 }, { "OutputToggleEdit", 1168, 16 },
        { "OutputPulseEdit", 1424, 16 }, { "InvertInputsJvCheckBox", 0, 1 }, { "InvertOutputsJvCheckBox", 16, 1 },
        { "OutputStartStatusJvCheckBox", 32, 1 }, { "InputActiveMessageJvCheckBox", 48, 1 },
        { "InputInactiveMessageJvCheckBox", 64, 1 }, { "OutputOnJvCheckBox", 1744, 1 }, { "OutputOffJvCheckBox", 1760, 1 },
        { "OutputToggleJvCheckBox", 1776, 1 }, { "OutputPulseJvCheckBox", 1792, 1 }, { "OutputPulseCSpinEdit", 1680, 4 } };
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
    if (field.width == 4)
        return qFromLittleEndian<qint32>(bytes);
    return ReadTextField(bytes, std::size_t(field.width));
}

void Present(TMainForm& form, const QByteArray& image)
{
    form.Config = Block(image);
    form.PresentConfig();
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void init() { StartStrict(); }
    void cleanup() { EndStrict(); }

    void startState()
    {
        TMainForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("QUILMOX Parlowen Vesion: 1.01"));
        QCOMPARE(form.PageControl1->currentIndex(), 0);
        QCOMPARE(Bytes(form.Config), DefaultImage());
        form.CollectForm();
        QVERIFY(!form.ConfigChanged());
        QVERIFY(Log(form).isEmpty());
        QVERIFY(!form.findChild<QLineEdit*>("OutputPulseEdit16")->isEnabled());
    }

    // Presented blocks show element n on control n; controls set by name collect into element n; so every block
    // the tool writes comes back byte for byte.
    void elementsMeetTheirControls()
    {
        QRandomGenerator random(20240611);
        const QList<Field> fields = Fields();
        TMainForm shown, typed;
        for (int round = 0; round < 12; ++round) {
            const QByteArray image = Bytes(RandomToolBlock(random));
            Present(shown, image);
            for (const Field& field : fields) {
                // The memo's lines as stored: its plain text would turn no-break spaces into spaces.
                const QVariant value = field.width == 512 ? shown.SMSMessageMemo->Lines().join(QString())
                                                          : Value(shown, field.name);
                QCOMPARE(value, FieldValue(image, field));
                Set(typed, field.name, FieldValue(image, field));
            }
            typed.Config = Block(QByteArray(kConfigBlockSize, '\xA5'));
            typed.CollectForm();
            QCOMPARE(Bytes(typed.Config).left(1845).toHex(), image.left(1845).toHex());
            QCOMPARE(Bytes(typed.Config).mid(1845), QByteArray("\xA5\xA5\xA5")); // Padding keeps its bytes
        }
    }

    void normalised_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("collected");
        QTest::newRow("invert flag 2") << 0 << Hex("02") << Hex("01");
        QTest::newRow("last pulse enabled FF") << 1807 << Hex("FF") << Hex("01");
        QTest::newRow("device name tail") << 624 << QByteArray("AB\0CDEFGH", 9) << QByteArray("AB\0\0\0\0\0\0\0", 9);
        QTest::newRow("period low") << 1680 << Hex("05000000") << Hex("0A000000");
        QTest::newRow("last period high") << 1740 << Hex("70110100") << Hex("E8FD0000");
        QTest::newRow("inhibit negative") << 1824 << Hex("FDFFFFFF") << Hex("00000000");
        QTest::newRow("message of 509") << 112 << QByteArray(509, 'm') << QByteArray(509, 'm');
        QTest::newRow("message of 510 keeps 509") << 112 << QByteArray(510, 'm') << QByteArray(509, 'm') + '\0';
        QTest::newRow("line breaks dropped") << 112 << QByteArray("ab\ncd\r\nef").leftJustified(26, '\0')
                                             << QByteArray("abcdef").leftJustified(26, '\0');
    }
    void normalised()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, collected);
        TMainForm form;
        Present(form, DefaultImage().replace(offset, stored.size(), stored));
        form.CollectForm();
        QCOMPARE(Bytes(form.Config).toHex(), DefaultImage().replace(offset, collected.size(), collected).toHex());
    }

    // Typing and pasting stop at the limit; Enter adds no line break; a longer text set by code stays whole.
    void typingLimits()
    {
        TMainForm form;
        form.OutputJvCheckBoxes[0][15]->setChecked(true);
        form.RequestStatusJvCheckBox->setChecked(true);
        for (const auto& [name, limit] : { std::pair { "OutputOnEdit16", 15 }, { "RequestStatusEdit", 15 },
                 { "PasswordEdit", 8 }, { "DeviceNameEdit", 30 }, { "PhoneNumberEdit", 32 } }) {
            auto* edit = form.findChild<QLineEdit*>(name);
            edit->clear();
            QTest::keyClicks(edit, QString(limit + 3, QLatin1Char('w')));
            QCOMPARE(edit->text().size(), limit);
        }
        auto* memo = form.SMSMessageMemo;
        memo->clear();
        QTest::keyClicks(memo, QStringLiteral("ab"));
        QTest::keyClick(memo, Qt::Key_Return);
        QGuiApplication::clipboard()->setText(QStringLiteral("cd\n") + QString(510, QLatin1Char('x')));
        memo->paste();
        form.CollectForm();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(form.Config.SMSMessage), 512),
            QByteArray("abcd") + QByteArray(505, 'x') + QByteArray(3, '\0'));
        auto* password = form.findChild<QLineEdit*>("PasswordEdit");
        password->setText(QStringLiteral("0123456789AB"));
        QTest::keyClicks(password, QStringLiteral("q"));
        QCOMPARE(password->text(), QStringLiteral("0123456789AB"));
        QTest::keyClick(password, Qt::Key_Backspace);
        QCOMPARE(password->text(), QStringLiteral("0123456789A"));
    }

    // Leaving a spin edit keeps its value within the limits; Value() judges text typed but not yet left.
    void spinEditLimits()
    {
        TMainForm form;
        form.OutputJvCheckBoxes[3][0]->setChecked(true);
        auto* spin = form.findChild<QSpinBox*>("OutputPulseCSpinEdit1");
        for (const auto& [typed, expected] : { std::pair { "70000", 65000 }, { "3", 10 }, { "-5", 10 }, { "abc", 4711 } }) {
            spin->setValue(4711);
            spin->selectAll();
            QTest::keyClicks(spin, QString::fromLatin1(typed));
            form.CollectForm();
            QCOMPARE(int(form.Config.OutputPulsePeriod[0]), expected);
        }
    }

    void linkedControls()
    {
        TMainForm form;
        form.findChild<QLineEdit*>("OutputPulseEdit7")->setText(QStringLiteral("kept"));
        for (bool checked : { true, false }) {
            Set(form, "OutputPulseJvCheckBox7", checked);
            QCOMPARE(form.findChild<QWidget*>("OutputPulseEdit7")->isEnabled(), checked);
            QCOMPARE(form.findChild<QWidget*>("OutputPulseCSpinEdit7")->isEnabled(), checked);
            QCOMPARE(form.findChild<QWidget*>("OutputToggleEdit7")->isEnabled(), false);
            Set(form, "RequestStatusJvCheckBox", checked);
            QCOMPARE(form.findChild<QWidget*>("RequestStatusEdit")->isEnabled(), checked);
        }
        QCOMPARE(Value(form, "OutputPulseEdit7"), QVariant(QStringLiteral("kept")));
    }

    // All ten buttons: each sets the sixteen boxes of its own group and nothing else.
    void checkGroups()
    {
        TMainForm form;
        const QStringList prefixes { "InvertInputs", "InvertOutputs", "OutputStartStatus", "InputActiveMessage",
            "InputInactiveMessage" };
        for (const QString& prefix : prefixes) {
            for (const char* button : { "CheckAllButton", "CheckNoneButton" }) {
                Present(form, DefaultImage().replace(0, 80, QByteArray(80, '\x01')).replace(48, 1, Hex("00")));
                Click(form, prefix + QLatin1String(button));
                form.CollectForm();
                const QByteArray flags = Bytes(form.Config).left(80);
                for (int g = 0; g < 5; ++g) {
                    const bool own = prefixes[g] == prefix;
                    QByteArray expected = own ? QByteArray(16, button[5] == 'A' ? '\x01' : '\0') : QByteArray(16, '\x01');
                    if (!own && g == 3)
                        expected[0] = 0;
                    QCOMPARE(flags.mid(16 * g, 16).toHex(), expected.toHex());
                }
            }
        }
        form.LogMemo->appendPlainText(QStringLiteral("a line"));
        Click(form, "ClearButton");
        QVERIFY(Log(form).isEmpty());
    }

    // Every focusable control of both windows has a name of its own; caption-less boxes show their indicator whole.
    void accessibility()
    {
        TMainForm form;
        TSignalStrengthForm signal;
        for (QWidget* window : { static_cast<QWidget*>(&form), static_cast<QWidget*>(&signal) }) {
            QStringList names;
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->focusPolicy() & Qt::TabFocus && !control->focusProxy())
                    names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
                if (auto* check = qobject_cast<QCheckBox*>(control); check && check->text().isEmpty())
                    QVERIFY(check->width() >= check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check));
            }
            QVERIFY(!names.contains(QString()));
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        }
        QCOMPARE(form.findChildren<QCheckBox*>().size(), 80 + 65);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form.findChild<QCheckBox*>("InvertInputsJvCheckBox5"));
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Invert input 5"));
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        form.CollectForm();
        QCOMPARE(Bytes(form.Config).left(16), Hex("00000000010000000000000000000000"));
        for (const auto& [name, spoken] : { std::pair { "OutputPulseCSpinEdit3", "Output 3 pulse period" },
                 { "OutputOffJvCheckBox12", "Output 12 off command enabled" }, { "InputInactiveMessageCheckNoneButton",
                     "Send message on no inactive input" }, { "LogMemo", "Log" } })
            QCOMPARE(QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(name))->text(QAccessible::Name), QString::fromUtf8(spoken));
    }
};

QTEST_MAIN(TestMainForm)
#include "test_MainForm.moc"
