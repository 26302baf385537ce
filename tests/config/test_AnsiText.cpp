// Text fields and the Windows-1252 conversion.
#include "config/AnsiText.h"

#include <QtTest>

class TestAnsiText : public QObject
{
    Q_OBJECT

private slots:
    void windows1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("latin-1") << QStringLiteral("Grüße café")
                                 << QByteArray("Gr\xFC\xDF"
                                               "e caf\xE9")
                                 << QString();
        QTest::newRow("euro, quotes, trademark")
            << QStringLiteral("€„“…™œŽ") << QByteArray("\x80\x84\x93\x85\x99\x9C\x8E") << QString();
        QTest::newRow("undefined bytes") << QStringLiteral("\u0081\u009D") << QByteArray("\x81\x9D") << QString();
        QTest::newRow("cyrillic") << QStringLiteral("Привет") << QByteArray("??????") << QStringLiteral("??????");
        QTest::newRow("emoji is one character")
            << QStringLiteral("x\U0001F600y") << QByteArray("x?y") << QStringLiteral("x?y");
        QTest::newRow("C1 without a 1252 byte") << QStringLiteral("\u0080") << QByteArray("?") << QStringLiteral("?");
    }
    void windows1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readBack);
        QCOMPARE(ToAnsi(text), bytes);
        QCOMPARE(FromAnsi(bytes), readBack.isNull() ? text : readBack);
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(ToAnsi(FromAnsi(all)), all);
    }

    // A write zero-fills and cuts at the width; a read stops at the first zero or the field's end.
    void fields()
    {
        uint8_t field[8];
        std::memset(field, 0x77, sizeof field);
        WriteTextField(field, QStringLiteral("ab"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(field), 8), QByteArray("ab\0\0\0\0\0\0", 8));
        WriteTextField(field, QStringLiteral("0123456789"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(field), 8), QByteArray("01234567"));
        const uint8_t full[10] = { '0', '1', '2', '3', '4', '5', '6', '7', 'N', 'O' }; // runs on into the next field
        QCOMPARE(ReadTextField(full, 8), QStringLiteral("01234567"));
        const uint8_t stopped[8] = { 'a', 'b', 0, 'c', 'd', 0, 0, 0 };
        QCOMPARE(ReadTextField(stopped), QStringLiteral("ab"));
    }
};

QTEST_GUILESS_MAIN(TestAnsiText)
#include "test_AnsiText.moc"
