// The configuration block: the change test on raw bytes, and text fields in Windows-1252. (The defaults byte for
// byte: the window's first state in test_MainForm, and the command line's defaults in test_CommandLine.)
#include "TestSupport.h"
#include "config/AnsiText.h"

#include <QtTest>

class TestConfigBlock : public QObject
{
    Q_OBJECT

private slots:
    // Every byte counts, Padding and the bytes after a text's zero included; a flag of 2 is not a flag of 1.
    void changeOfAnyByte()
    {
        TConfigBlock config = Block(DefaultImage()), snapshot {};
        config.InputActiveMessage[0] = 1;
        QVERIFY(ConfigChanged(config, snapshot));
        TakeSnapshot(config, snapshot);
        for (int offset : { 0, 48, 624 + 20, 1743, 1844, 1845, 1847 }) {
            QVERIFY(!ConfigChanged(config, snapshot));
            ++BlockBytes(config)[offset];
            QVERIFY2(ConfigChanged(config, snapshot), qPrintable(QString::number(offset)));
            --BlockBytes(config)[offset];
        }
    }

    // Windows-1252 both ways, one '?' per character it lacks (an emoji is one character), and every byte back as it
    // was; a field is zero-filled and cut at its width, and read up to its first zero or its end.
    void text()
    {
        const std::tuple<QString, QByteArray, QString> rows[]
            = { { "Grüße €„“…™œŽ", "Gr\xFC\xDF\x65 \x80\x84\x93\x85\x99\x9C\x8E", "" },
                  { "\u0081\u009D", "\x81\x9D", "" }, { "Привет", "??????", "??????" },
                  { "x\U0001F600\u0080y", "x??y", "x??y" } };
        for (const auto& [text, bytes, readBack] : rows) {
            QCOMPARE(ToAnsi(text), bytes);
            QCOMPARE(FromAnsi(bytes), readBack.isEmpty() ? text : readBack);
        }
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(ToAnsi(FromAnsi(all)), all);
        uint8_t field[8];
        std::memset(field, 0x77, sizeof field);
        WriteTextField(field, QStringLiteral("ab"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(field), 8), QByteArray("ab\0\0\0\0\0\0", 8));
        WriteTextField(field, QStringLiteral("0123456789"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(field), 8), QByteArray("01234567"));
        QCOMPARE(ReadTextField(reinterpret_cast<const uint8_t*>("01234567NO"), 8), QStringLiteral("01234567"));
    }
};

QTEST_GUILESS_MAIN(TestConfigBlock)
#include "test_ConfigBlock.moc"
