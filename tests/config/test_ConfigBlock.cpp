// The default block byte for byte, the bytes the defaults leave alone, and the change test on raw bytes.
#include "TestSupport.h"

#include <QtTest>

class TestConfigBlock : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        TConfigBlock block {};
        SetDefaults(block);
        QCOMPARE(Bytes(block).toHex(' '), DefaultImage().toHex(' '));

        // Only the named bytes are written: what follows a command word's zero, the input message flags, the
        // tails of DeviceName and RequestStatus and Padding keep what they held; message and password are cleared.
        std::memset(&block, 0x5A, sizeof block);
        SetDefaults(block);
        const QByteArray bytes = Bytes(block);
        for (int offset : { 48, 79, 656 + 6, 1664 + 8, 624 + 8, 655, 1828 + 5, 1843, 1845, 1847 })
            QVERIFY2(bytes.at(offset) == 0x5A, qPrintable(QString::number(offset)));
        QCOMPARE(bytes.mid(112 + 23, 512 - 23), QByteArray(489, '\0'));
        QCOMPARE(bytes.mid(1808 + 9, 7), QByteArray(7, '\0'));
    }

    // Every byte counts, Padding and the bytes after a text's zero included; a flag of 2 is not a flag of 1.
    void changeOfAnyByte()
    {
        TConfigBlock config = Block(DefaultImage()), snapshot {};
        config.InputActiveMessage[0] = 1;
        QVERIFY(ConfigChanged(config, snapshot));
        TakeSnapshot(config, snapshot);
        QVERIFY(!ConfigChanged(config, snapshot));
        for (int offset : { 0, 48, 624 + 20, 1743, 1844, 1845, 1847 }) {
            uint8_t& byte = BlockBytes(config)[offset];
            const uint8_t before = byte;
            byte = uint8_t(before + 1);
            QVERIFY2(ConfigChanged(config, snapshot), qPrintable(QString::number(offset)));
            byte = before;
            QVERIFY(!ConfigChanged(config, snapshot));
        }
    }
};

QTEST_GUILESS_MAIN(TestConfigBlock)
#include "test_ConfigBlock.moc"
