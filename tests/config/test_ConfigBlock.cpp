// The block's defaults and the change test, checked against bytes built here from offsets and literals.
#include "BlockImage.h"
#include "config/ConfigBlock.h"

#include <QtTest>
#include <cstring>

namespace {

void Put(QByteArray& image, int offset, const QByteArray& text)
{
    image.replace(offset, text.size() + 1, text + '\0');
}

// The default block as the operator's documentation describes it, built without the production code.
QByteArray ExpectedDefaults()
{
    QByteArray image(kConfigBlockSize, '\0');
    Put(image, 112, "This is a text message");
    Put(image, 624, "QUILMOX");
    const char* prefixes[] = { "IPOn", "IPOff", "IPTog", "IPPls" };
    for (int table = 0; table < 4; ++table) {
        for (int n = 1; n <= 16; ++n)
            Put(image, 656 + 256 * table + 16 * (n - 1), prefixes[table] + QByteArray::number(n));
    }
    image.replace(1680, 64, QByteArray("\xE8\x03\x00\x00", 4).repeated(16));
    Put(image, 1808, "Tarnvale");
    Put(image, 1828, "Send");
    return image;
}

} // namespace

class TestConfigBlock : public QObject
{
    Q_OBJECT

private slots:
    void defaultsByteForByte()
    {
        const QByteArray actual = Bytes(DefaultBlock());
        QCOMPARE(actual, ExpectedDefaults());
        // The places the documentation calls out, spelled out once more.
        QCOMPARE(actual.mid(656, 6), QByteArray("IPOn1\0", 6));
        QCOMPARE(actual.mid(1664, 8), QByteArray("IPPls16\0", 8));
        QCOMPARE(actual.mid(1680, 64), QByteArray("\xE8\x03\x00\x00", 4).repeated(16));
        QCOMPARE(actual.mid(48, 32), QByteArray(32, '\0'));
        QCOMPARE(actual.mid(1845, 3), QByteArray(3, '\0'));
    }

    void defaultsTouchOnlyTheirBytes()
    {
        // Bytes that no default names keep what they held, e.g. after a command word's zero and in Padding.
        TConfigBlock block {};
        std::memset(&block, 0x5A, sizeof block);
        SetDefaults(block);
        const QByteArray bytes = Bytes(block);
        QCOMPARE(bytes.mid(48, 32), QByteArray(32, 0x5A)); // input message flags
        QCOMPARE(bytes.at(656 + 6), char(0x5A)); // after IPOn1 and its zero
        QCOMPARE(bytes.mid(624 + 8, 24), QByteArray(24, 0x5A)); // DeviceName is not zero-filled first
        QCOMPARE(bytes.mid(1828 + 5, 11), QByteArray(11, 0x5A)); // nor is RequestStatus
        QCOMPARE(bytes.mid(1845, 3), QByteArray(3, 0x5A)); // Padding
        QCOMPARE(bytes.mid(112 + 23, 512 - 23), QByteArray(489, '\0')); // SMSMessage is zero-filled
        QCOMPARE(bytes.mid(1808 + 9, 7), QByteArray(7, '\0')); // and so is Password
    }

    void changeOfAnyByte_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::newRow("flag 2 against 1") << 48 << 2;
        QTest::newRow("first byte") << 0 << 1;
        QTest::newRow("padding") << 1846 << 7;
        QTest::newRow("last padding byte") << 1847 << 1;
        QTest::newRow("after a text's zero") << 624 + 20 << int('x');
        QTest::newRow("pulse period high byte") << 1743 << 1;
    }

    void changeOfAnyByte()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        TConfigBlock config = DefaultBlock();
        config.InputActiveMessage[0] = 1; // so that the flag row compares 2 against 1
        TConfigBlock snapshot {};
        QVERIFY(ConfigChanged(config, snapshot));
        TakeSnapshot(config, snapshot);
        QVERIFY(!ConfigChanged(config, snapshot));

        uint8_t& byte = BlockBytes(config)[offset];
        const uint8_t before = byte;
        byte = static_cast<uint8_t>(value);
        QVERIFY(ConfigChanged(config, snapshot));
        byte = before;
        QVERIFY(!ConfigChanged(config, snapshot));
    }
};

QTEST_GUILESS_MAIN(TestConfigBlock)
#include "test_ConfigBlock.moc"
