// Presenting the block on the window and collecting it back: every byte of a block the tool could write comes
// back, the rest is normalised as the controls allow, and element n always belongs to control n.
#include "FormProbe.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <cstring>

namespace {

void Present(TMainForm& form, const QByteArray& image)
{
    std::memcpy(BlockBytes(form.Config), image.constData(), kConfigBlockSize);
    form.PresentConfig();
}

// Collects into a block spoiled beforehand, so that a field collecting forgot would show. Padding is kept.
QByteArray Collect(TMainForm& form)
{
    std::memset(BlockBytes(form.Config), 0xA5, kConfigBlockSize - 3);
    form.CollectForm();
    return Bytes(form.Config);
}

QByteArray Le32(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A text of `length` characters that the operator could type: Windows-1252 from the blank upward.
QByteArray RandomText(QRandomGenerator& random, int length)
{
    QByteArray text;
    for (int i = 0; i < length; ++i)
        text.append(char(random.bounded(0x20, 0x100)));
    return text;
}

QByteArray RandomToolBlock(QRandomGenerator& random)
{
    QByteArray image(kConfigBlockSize, '\0');
    auto text = [&](int offset, int maxLength) {
        const QByteArray t = RandomText(random, random.bounded(maxLength + 1));
        image.replace(offset, t.size(), t);
    };
    for (int offset = 0; offset < 80; ++offset)
        image[offset] = char(random.bounded(2));
    text(80, 32);
    text(112, 509);
    text(624, 32);
    for (int entry = 0; entry < 64; ++entry)
        text(656 + 16 * entry, 16);
    for (int n = 0; n < 16; ++n)
        image.replace(1680 + 4 * n, 4, Le32(random.bounded(10, 65001)));
    for (int offset = 1744; offset < 1808; ++offset)
        image[offset] = char(random.bounded(2));
    text(1808, 16);
    image.replace(1824, 4, Le32(random.bounded(0, 17)));
    text(1828, 16);
    image[1844] = char(random.bounded(2));
    for (int offset = 1845; offset < 1848; ++offset)
        image[offset] = char(random.bounded(256));
    return image;
}

} // namespace

class TestFormMapping : public QObject
{
    Q_OBJECT

private slots:
    void toolWrittenBlocksComeBack();
    void normalised_data();
    void normalised();
    void elementReachesControlN_data();
    void elementReachesControlN();
    void pastedLinesJoin();
};

void TestFormMapping::toolWrittenBlocksComeBack()
{
    QRandomGenerator random(20240611);
    TMainForm form;
    for (int round = 0; round < 150; ++round) {
        const QByteArray image = RandomToolBlock(random);
        Present(form, image);
        const QByteArray back = Collect(form);
        if (back != image) {
            int at = 0;
            while (back[at] == image[at])
                ++at;
            QFAIL(qPrintable(QStringLiteral("round %1: first difference at offset %2").arg(round).arg(at)));
        }
    }
}

void TestFormMapping::normalised_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("collected");

    QTest::newRow("first invert flag 2") << 0 << QByteArray("\x02") << QByteArray("\x01");
    QTest::newRow("last inactive flag FF") << 79 << QByteArray("\xFF") << QByteArray("\x01");
    QTest::newRow("keyword enabled 2") << 1844 << QByteArray("\x02") << QByteArray("\x01");
    QTest::newRow("last pulse enabled 7") << 1807 << QByteArray("\x07") << QByteArray("\x01");
    // Text rows cover the field's whole default text, so no default byte is left behind the stored one.
    QTest::newRow("device name tail") << 624 << QByteArray("AB\0CDEFGH", 9) << QByteArray("AB\0\0\0\0\0\0\0", 9);
    QTest::newRow("last off word tail") << 912 + 240 << QByteArray("W\0XYZABCD", 9)
                                        << QByteArray(9, '\0').replace(0, 1, "W");
    QTest::newRow("message tail") << 112 << QByteArray("Hi\0there is a longer tail", 26)
                                  << QByteArray(26, '\0').replace(0, 2, "Hi");
    QTest::newRow("first period low") << 1680 << Le32(5) << Le32(10);
    QTest::newRow("first period negative") << 1680 << Le32(-1) << Le32(10);
    QTest::newRow("last period high") << 1740 << Le32(70000) << Le32(65000);
    QTest::newRow("inhibit high") << 1824 << Le32(17) << Le32(16);
    QTest::newRow("inhibit negative") << 1824 << Le32(-3) << Le32(0);
    // The message keeps what the memo lets the operator type, also from a foreign file.
    const QByteArray message(511, 'm');
    const QByteArray cut = message.left(509) + QByteArray(3, '\0');
    QTest::newRow("message of 509") << 112 << message.left(509) << message.left(509);
    QTest::newRow("message of 510") << 112 << message.left(510) << cut.left(510);
    QTest::newRow("message of 511") << 112 << message << cut.left(511);
    QTest::newRow("line break dropped") << 112 << QByteArray("ab\ncd\r\nef", 9).append(QByteArray(14, '\0'))
                                        << QByteArray("abcdef").append(QByteArray(17, '\0'));
}

void TestFormMapping::normalised()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, collected);

    TMainForm form;
    QByteArray image = DefaultImage();
    image.replace(offset, stored.size(), stored);
    Present(form, image);
    QByteArray expected = DefaultImage();
    expected.replace(offset, collected.size(), collected);
    QCOMPARE(Collect(form), expected);
}

void TestFormMapping::elementReachesControlN_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    // Text edits get "Zq", check boxes are checked, spin edits get 4321; the rest of the block stays default.
    const QVariant zq(QStringLiteral("Zq"));
    const QByteArray word("Zq\0\0\0\0\0\0", 8);
    const QByteArray on("\x01");
    QTest::newRow("device name") << "DeviceNameEdit" << zq << 624 << word;
    QTest::newRow("phone number") << "PhoneNumberEdit" << zq << 80 << word;
    QTest::newRow("password") << "PasswordEdit" << zq << 1808 << word;
    QTest::newRow("keyword") << "RequestStatusEdit" << zq << 1828 << word;
    QTest::newRow("keyword enabled") << "RequestStatusJvCheckBox" << QVariant(true) << 1844 << on;
    QTest::newRow("inhibit") << "InhibitInputCSpinEdit" << QVariant(16) << 1824 << Le32(16);

    // Each family: its name prefix, the offset of element 1 and the stride. Members 1 and 16 of every family, and
    // members whose group stands out of order on its page.
    struct Family
    {
        const char* prefix;
        int offset;
        int stride;
        QList<int> members;
    };
    const Family families[] = {
        { "OutputOnEdit", 656, 16, { 1, 8, 16 } },
        { "OutputOffEdit", 912, 16, { 1, 16 } },
        { "OutputToggleEdit", 1168, 16, { 1, 13 } },
        { "OutputPulseEdit", 1424, 16, { 5, 16 } },
        { "InvertInputsJvCheckBox", 0, 1, { 1, 16 } },
        { "InvertOutputsJvCheckBox", 16, 1, { 1, 16 } },
        { "OutputStartStatusJvCheckBox", 32, 1, { 1, 16 } },
        { "InputActiveMessageJvCheckBox", 48, 1, { 1, 16 } },
        { "InputInactiveMessageJvCheckBox", 64, 1, { 1, 16 } },
        { "OutputOnJvCheckBox", 1744, 1, { 1, 8, 16 } },
        { "OutputOffJvCheckBox", 1760, 1, { 1, 16 } },
        { "OutputToggleJvCheckBox", 1776, 1, { 1, 16 } },
        { "OutputPulseJvCheckBox", 1792, 1, { 1, 16 } },
        { "OutputPulseCSpinEdit", 1680, 4, { 1, 9, 16 } },
    };
    for (const Family& family : families) {
        const bool edit = family.stride == 16;
        const bool spin = family.stride == 4;
        for (int n : family.members) {
            const QString name = QLatin1String(family.prefix) + QString::number(n);
            QTest::newRow(qPrintable(name)) << name
                                            << (edit          ? zq
                                                       : spin ? QVariant(4321)
                                                              : QVariant(true))
                                            << family.offset + family.stride * (n - 1)
                                            << (edit          ? word
                                                       : spin ? Le32(4321)
                                                              : on);
        }
    }
}

void TestFormMapping::elementReachesControlN()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);

    TMainForm form;
    SetControl(form, name, value);
    QByteArray expected = DefaultImage();
    expected.replace(offset, bytes.size(), bytes);
    QCOMPARE(Collect(form), expected);

    // And back: presenting a block with only that element set shows it on the same control.
    TMainForm other;
    Present(other, expected);
    QCOMPARE(ControlValue(other, name), value);
    QCOMPARE(Collect(other), expected);
}

void TestFormMapping::pastedLinesJoin()
{
    TMainForm form;
    auto* memo = Control<QPlainTextEdit>(form, QStringLiteral("SMSMessageMemo"));
    memo->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("ab\ncd"));
    memo->paste();
    QByteArray expected = DefaultImage();
    expected.replace(112, 23, QByteArray(23, '\0'));
    expected.replace(112, 4, "abcd");
    QCOMPARE(Collect(form), expected);
}

QTEST_MAIN(TestFormMapping)
#include "test_FormMapping.moc"
