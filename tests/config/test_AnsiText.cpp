// Text fields and the Windows-1252 conversion.
#include "config/AnsiText.h"
#include "config/ConfigBlock.h"

#include <QtTest>

class TestAnsiText : public QObject
{
    Q_OBJECT

private slots:
    void fullFieldNeverRunsIntoTheNext()
    {
        TConfigBlock block {};
        const QString phone = QStringLiteral("01234567890123456789012345678901");
        WriteTextField(block.PhoneNumber, phone);
        WriteTextField(block.SMSMessage, QStringLiteral("message"));
        QCOMPARE(ReadTextField(block.PhoneNumber), phone);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(block.PhoneNumber), 32), phone.toLatin1());
        QCOMPARE(ReadTextField(block.SMSMessage), QStringLiteral("message"));
    }

    // A write fills the rest with zeros and cuts what does not fit; a read stops at the first zero.
    void writeAndRead()
    {
        uint8_t field[8];
        std::memset(field, 0x77, sizeof field);
        WriteTextField(field, QStringLiteral("ab"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(field), 8), QByteArray("ab\0\0\0\0\0\0", 8));
        WriteTextField(field, QStringLiteral("0123456789"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(field), 8), QByteArray("01234567"));
        QCOMPARE(ReadTextField(field), QStringLiteral("01234567"));
        const uint8_t stopped[8] = { 'a', 'b', 0, 'c', 'd', 0, 0, 0 };
        QCOMPARE(ReadTextField(stopped), QStringLiteral("ab"));
        const uint8_t empty[4] = { 0, 'x', 'y', 'z' };
        QCOMPARE(ReadTextField(empty), QString());
    }

    void windows1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Send 1") << QByteArray("Send 1");
        QTest::newRow("latin-1") << QStringLiteral("Grüße café")
                                 << QByteArray("Gr\xFC\xDF"
                                               "e caf\xE9");
        QTest::newRow("euro and quotes") << QStringLiteral("€ „x“ …") << QByteArray("\x80 \x84x\x93 \x85");
        QTest::newRow("trademark, oe, Z caron") << QStringLiteral("™œŽ") << QByteArray("\x99\x9C\x8E");
        QTest::newRow("undefined bytes round-trip") << QString(QChar(0x81)) + QChar(0x9D) << QByteArray("\x81\x9D");
    }

    void windows1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ToAnsi(text), bytes);
        QCOMPARE(FromAnsi(bytes), text);
    }

    void unmappableBecomesQuestionMark_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cyrillic") << QStringLiteral("Привет") << QByteArray("??????");
        QTest::newRow("greek in ascii") << QStringLiteral("a\u03A9b") << QByteArray("a?b");
        QTest::newRow("emoji is one character") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
        QTest::newRow("C1 without a 1252 byte") << QString(QChar(0x80)) << QByteArray("?");
    }

    void unmappableBecomesQuestionMark()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ToAnsi(text), bytes);
        uint8_t field[16];
        WriteTextField(field, text);
        QCOMPARE(FieldBytes(field, sizeof field), bytes);
    }

    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(ToAnsi(FromAnsi(all)), all);
    }
};

QTEST_GUILESS_MAIN(TestAnsiText)
#include "test_AnsiText.moc"
