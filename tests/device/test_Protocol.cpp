// The protocol state machine driven report by report: what it sends, logs, shows and stores, checked against bytes
// built here and against the hand-built write of the default block in tests/data.
#include "RecordingHost.h"
#include "config/ConfigBlock.h"
#include "device/DeviceProtocol.h"

#include <QtTest>
#include <cstring>

namespace {

constexpr int kWriteReports = 45; // identify, write start, 42 halves, write end
constexpr int kReadReports = 43; // identify, 42 read requests

void Put(TConfigBlock& block, int offset, const QByteArray& bytes)
{
    std::memcpy(BlockBytes(block) + offset, bytes.constData(), std::size_t(bytes.size()));
}

// One block for a round trip: every byte set, flags not 0 or 1, periods and inhibit wider than they travel.
TConfigBlock BusyBlock()
{
    TConfigBlock block {};
    for (int i = 0; i < kConfigBlockSize; ++i)
        BlockBytes(block)[i] = uint8_t(i * 13 + 5);
    return block;
}

// What the round trip must give back: flags 0/1, periods and inhibit narrowed, message bytes 256..511 and Padding
// as the destination held them.
QByteArray RoundTripped(const TConfigBlock& sent, const TConfigBlock& destination)
{
    QByteArray image = Bytes(sent);
    for (int start : { 0, 16, 32, 48, 64, 1744, 1760, 1776, 1792 }) {
        for (int i = start; i < start + 16; ++i)
            image[i] = image[i] != 0 ? 1 : 0;
    }
    image[1844] = image[1844] != 0 ? 1 : 0;
    for (int n = 0; n < 16; ++n)
        image.replace(1680 + 4 * n + 2, 2, QByteArray(2, '\0'));
    image.replace(1825, 3, QByteArray(3, '\0'));
    image.replace(368, 256, Bytes(destination).mid(368, 256));
    image.replace(1845, 3, Bytes(destination).mid(1845, 3));
    return image;
}

} // namespace

class TestProtocol : public QObject
{
    Q_OBJECT

private slots:
    // The write's steps, and every byte of every report it sends, commands and chunk numbers included.
    void writeOfDefaultBlock()
    {
        QFile file(QStringLiteral(PARLOWEN_TEST_DATA "/write_default_block.hex"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
        QCOMPARE(lines.size(), kWriteReports);

        TConfigBlock config = DefaultBlock();
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        QCOMPARE(protocol.ProtocolState, 1);
        Feed(protocol, IdentityReply());
        for (int i = 0; i < 43; ++i)
            Feed(protocol, TReport {});
        QCOMPARE(host.sent.size(), kWriteReports);
        for (int i = 0; i < kWriteReports; ++i)
            QCOMPARE(Sent(host, i).toHex(' ').toUpper(), lines[i].trimmed());
        QCOMPARE(host.log, (QStringList { "Dedudev Version:V1", "Serial Number: 12345", "Data downloaded" }));
        QVERIFY(host.boxes.isEmpty()); // the box waits for the answer to the write end report
        QCOMPARE(protocol.ProtocolState, 21);

        TReport garbage;
        garbage.fill(0xEE);
        Feed(protocol, garbage);
        QCOMPARE(host.events.mid(host.events.size() - 3),
            (QStringList { "send Z", "log Data downloaded", "information: Download Complete" }));
        QCOMPARE(protocol.ProtocolState, 0);
        QCOMPARE(Bytes(config), Bytes(DefaultBlock())); // a write only reads the block

        Feed(protocol, IdentityReply()); // idle again: dropped
        QCOMPARE(host.sent.size(), kWriteReports);
        QCOMPARE(host.boxes.size(), 1);
    }

    // Single changes to a zero block and where they land in the write reports (0 identify, 1 write start,
    // 2 + 2c chunk c first half, 3 + 2c second half).
    void writeImages_data()
    {
        QTest::addColumn<int>("blockOffset");
        QTest::addColumn<QByteArray>("blockBytes");
        QTest::addColumn<int>("report");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("input 1 active message") << 48 << Hex("01") << 2 << 4 << Hex("0001");
        QTest::newRow("input 9 active message") << 56 << Hex("01") << 2 << 4 << Hex("0100");
        QTest::newRow("input 16 active message") << 63 << Hex("01") << 2 << 4 << Hex("8000");
        QTest::newRow("flag byte 2 packs as set") << 56 << Hex("02") << 2 << 4 << Hex("0100");
        QTest::newRow("input 8 inactive message") << 71 << Hex("01") << 2 << 6 << Hex("0080");
        QTest::newRow("output 1 on enabled") << 1744 << Hex("01") << 2 << 8 << Hex("0001");
        QTest::newRow("output 1 off enabled, byte FF") << 1760 << Hex("FF") << 2 << 10 << Hex("0001");
        QTest::newRow("output 9 toggle enabled") << 1784 << Hex("01") << 2 << 12 << Hex("0100");
        QTest::newRow("output 16 pulse enabled") << 1807 << Hex("01") << 2 << 14 << Hex("8000");
        QTest::newRow("period 65000") << 1680 << Hex("E8FD0000") << 2 << 16 << Hex("FDE8");
        QTest::newRow("period 1000") << 1680 << Hex("E8030000") << 2 << 16 << Hex("03E8");
        QTest::newRow("output 16 period, upper bits dropped") << 1740 << Hex("78563412") << 2 << 46 << Hex("5678");
        QTest::newRow("phone number") << 80 << QByteArray("0123") << 3 << 3 << QByteArray("0123");
        QTest::newRow("phone number last byte") << 111 << Hex("39") << 3 << 34 << Hex("39");
        QTest::newRow("inhibit input 16") << 1824 << Hex("10000000") << 3 << 40 << Hex("10");
        QTest::newRow("inhibit input low byte only") << 1824 << Hex("34120000") << 3 << 40 << Hex("34");
        QTest::newRow("input 1 inverted") << 0 << Hex("01") << 3 << 41 << Hex("0001");
        QTest::newRow("output 1 inverted") << 16 << Hex("01") << 3 << 43 << Hex("0001");
        QTest::newRow("output 16 starts active") << 47 << Hex("01") << 3 << 45 << Hex("8000");
        QTest::newRow("request status enabled") << 1844 << Hex("01") << 3 << 47 << Hex("01");
        QTest::newRow("request status enabled, byte 80") << 1844 << Hex("80") << 3 << 47 << Hex("01");
        QTest::newRow("on word, output 1") << 656 << QByteArray("On1") << 6 << 3 << QByteArray("On1");
        QTest::newRow("pulse word, output 16") << 1664 << QByteArray("P16") << 37 << 19 << QByteArray("P16");
        QTest::newRow("message byte 0") << 112 << QByteArray("M") << 38 << 3 << QByteArray("M");
        QTest::newRow("message byte 255") << 367 << QByteArray("Z") << 43 << 18 << QByteArray("Z");
    }

    void writeImages()
    {
        QFETCH(int, blockOffset);
        QFETCH(QByteArray, blockBytes);
        QFETCH(int, report);
        QFETCH(int, byte);
        QFETCH(QByteArray, expected);
        TConfigBlock config {};
        Put(config, blockOffset, blockBytes);
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        Complete(protocol);
        QCOMPARE(Sent(host, report).mid(byte, expected.size()).toHex(' '), expected.toHex(' '));
        // Chunk 0 is predicted whole: its 0x55 marker, the one change, zeros elsewhere up to byte 47.
        if (report == 2 || report == 3) {
            QByteArray image(45, '\0');
            image[0] = report == 2 ? char(0x55) : '\0';
            image.replace(byte - 3, expected.size(), expected);
            QCOMPARE(Sent(host, report).mid(3, 45).toHex(' '), image.toHex(' '));
        }
    }

    // Bytes a step does not write go out as the previous report left them.
    void unwrittenBytesCarryOver()
    {
        TConfigBlock config = BusyBlock();
        Put(config, 624, QByteArray(32, 'N'));
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        Complete(protocol);

        QCOMPARE(Sent(host, 3).mid(35, 5), Sent(host, 2).mid(35, 5)); // chunk 0 second half, offsets 32..36
        QCOMPARE(Sent(host, 3).mid(48), Sent(host, 2).mid(48));
        QCOMPARE(Sent(host, 5).mid(19, 1), QByteArray("N")); // chunk 1 second half, offset 16
        QCOMPARE(Sent(host, 5).mid(20), QByteArray(45, char(0xFF)));
        QCOMPARE(Sent(host, 43).mid(19), Sent(host, 42).mid(19)); // only 16 message bytes in the last half
        QCOMPARE(Sent(host, 1).mid(2), Sent(host, 0).mid(2)); // write start names no payload
        QCOMPARE(Sent(host, 44).mid(2), Sent(host, 43).mid(2)); // nor does write end

        protocol.StartWrite();
        QCOMPARE(Sent(host, 45).mid(2), Sent(host, 44).mid(2));
        Complete(protocol);
        protocol.StartRead();
        Complete(protocol);
        for (int i = 91; i < host.sent.size(); ++i)
            QCOMPARE(Sent(host, i).mid(3), Sent(host, i - 1).mid(3)); // read requests set bytes 0..2 only
    }

    void readSequence()
    {
        TConfigBlock config {};
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        host.protocol = &protocol;
        protocol.StartRead();
        QCOMPARE(protocol.ProtocolState, 30);
        Feed(protocol, IdentityReply());
        for (int i = 0; i < 41; ++i)
            Feed(protocol, TReport {});
        QVERIFY(host.events.filter(QStringLiteral("present")).isEmpty());
        QCOMPARE(protocol.ProtocolState, 49);
        Feed(protocol, TReport {});

        QByteArray heads, expected = Hex("005300");
        for (int chunk = 0; chunk < 21; ++chunk)
            expected += QByteArray("\0r", 2) + char(chunk) + QByteArray("\0R", 2) + char(chunk);
        for (int i = 0; i < host.sent.size(); ++i)
            heads += Sent(host, i).left(3);
        QCOMPARE(heads.toHex(' '), expected.toHex(' '));
        QCOMPARE(protocol.ProtocolState, 0);
        QCOMPARE(host.events.mid(host.events.size() - 2),
            (QStringList { "present in state 0", "information: Read Complete" }));
        QCOMPARE(host.log, (QStringList { "Dedudev Version:V1", "Serial Number: 12345" }));
    }

    // Answer k is the answer to read request k (0: 'r' chunk 0, 1: 'R' chunk 0, 2: 'r' chunk 1, ...); the block
    // held 7F in every byte before.
    void readStores_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("blockOffset");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("81 sets inputs 9 and 16 only")
            << 0 << 3 << Hex("8100") << 48 << Hex("00000000000000000100000000000001");
        QTest::newRow("lower group byte") << 0 << 5 << Hex("0001") << 64 << Hex("01000000000000000000000000000000");
        QTest::newRow("pulse enabled, last pair")
            << 0 << 13 << Hex("FF02") << 1792 << Hex("00010000000000000101010101010101");
        QTest::newRow("period 65000") << 0 << 15 << Hex("FDE8") << 1680 << Hex("E8FD0000");
        QTest::newRow("period 1000, output 16") << 0 << 45 << Hex("03E8") << 1740 << Hex("E8030000");
        QTest::newRow("inhibit input") << 1 << 39 << Hex("10") << 1824 << Hex("10000000");
        QTest::newRow("output start status") << 1 << 44 << Hex("807F") << 32 << Hex("01010101010101000000000000000001");
        QTest::newRow("request status bit 0 set") << 1 << 46 << Hex("03") << 1844 << Hex("01");
        QTest::newRow("request status bit 0 clear") << 1 << 46 << Hex("FE") << 1844 << Hex("00");
        QTest::newRow("device name") << 2 << 2 << QByteArray("Parlowen") << 624 << QByteArray("Parlowen");
        QTest::newRow("keyword") << 3 << 2 << QByteArray("Stat") << 1828 << QByteArray("Stat");
        QTest::newRow("on word, output 1") << 4 << 2 << QByteArray("On1") << 656 << QByteArray("On1");
        QTest::newRow("pulse word, output 16") << 35 << 18 << QByteArray("P16") << 1664 << QByteArray("P16");
        QTest::newRow("message byte 0") << 36 << 2 << QByteArray("M") << 112 << QByteArray("M");
        QTest::newRow("message byte 255") << 41 << 17 << QByteArray("Z") << 367 << QByteArray("Z");
        QTest::newRow("message byte 256 untouched") << 41 << 18 << QByteArray("Q") << 368 << Hex("7F");
    }

    void readStores()
    {
        QFETCH(int, answer);
        QFETCH(int, byte);
        QFETCH(QByteArray, bytes);
        QFETCH(int, blockOffset);
        QFETCH(QByteArray, expected);
        TConfigBlock config {};
        std::memset(BlockBytes(config), 0x7F, sizeof config);
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartRead();
        Feed(protocol, IdentityReply());
        for (int k = 0; k < 42; ++k) {
            TReport reply {};
            if (k == answer)
                std::memcpy(reply.data() + byte, bytes.constData(), std::size_t(bytes.size()));
            Feed(protocol, reply);
        }
        QCOMPARE(protocol.ProtocolState, 0);
        QCOMPARE(Bytes(config).mid(blockOffset, expected.size()).toHex(' '), expected.toHex(' '));
    }

    // Write to a controller that keeps each half image and hands it back on the matching read request: every block
    // byte comes back within the encodings, and the bytes a read does not carry keep what the block held.
    void writeThenReadThroughEcho()
    {
        const TConfigBlock original = BusyBlock();
        TConfigBlock config = original;
        RecordingHost host;
        EchoController controller;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        controller.Run(protocol, host);
        QCOMPARE(host.sent.size(), kWriteReports);
        QCOMPARE(host.boxes, QStringList { "information: Download Complete" });

        std::memset(BlockBytes(config), 0xA5, sizeof config);
        const TConfigBlock destination = config;
        protocol.StartRead();
        controller.Run(protocol, host);
        QCOMPARE(host.sent.size(), kWriteReports + kReadReports);
        QCOMPARE(host.boxes.last(), QStringLiteral("information: Read Complete"));
        QCOMPARE(Bytes(config).toHex(' '), RoundTripped(original, destination).toHex(' '));
    }

    void messageOf300Characters()
    {
        TConfigBlock config {};
        QByteArray message;
        for (int i = 0; i < 300; ++i)
            message.append(char('a' + i % 26));
        Put(config, 112, message);
        RecordingHost host;
        EchoController controller;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        controller.Run(protocol, host);

        QByteArray sent;
        for (int report = 38; report < 44; ++report)
            sent += Sent(host, report).mid(3, report == 43 ? 16 : 48);
        QCOMPARE(sent, message.left(256));

        std::memset(BlockBytes(config) + 112, 'y', 512);
        protocol.StartRead();
        controller.Run(protocol, host);
        QCOMPARE(Bytes(config).mid(112, 256), message.left(256));
        QCOMPARE(Bytes(config).mid(368, 256), QByteArray(256, 'y'));
    }
};

QTEST_GUILESS_MAIN(TestProtocol)
#include "test_Protocol.moc"
