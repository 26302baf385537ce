// The protocol state machine report by report: every byte it sends (the write of the default block against the
// independently built golden file), what it stores from read answers, the identity exchange and the idle states.
#include "RecordingHost.h"

#include <QtTest>

namespace {

// One write half, framed from a zero transmit buffer, of a block that is zero but for `bytes` at `offset`.
QByteArray WriteReport(int offset, const QByteArray& bytes, int report)
{
    TConfigBlock config {};
    std::memcpy(BlockBytes(config) + offset, bytes.constData(), std::size_t(bytes.size()));
    RecordingHost host;
    TDeviceProtocol protocol(config, host);
    protocol.StartWrite();
    Feed(protocol, IdentityReply());
    while (protocol.ProtocolState != 0)
        Feed(protocol, TReport {});
    return host.sent.value(report);
}

// What a write and a read through the echo give back: flags as 0 or 1, periods and the inhibit input narrowed to
// what travels, message bytes 256..511 and Padding as the destination held them.
QByteArray RoundTripped(const TConfigBlock& sent, const QByteArray& destination)
{
    QByteArray image = Bytes(sent);
    for (int start : { 0, 16, 32, 48, 64, 1744, 1760, 1776, 1792, 1844 }) {
        for (int i = start; i < start + (start == 1844 ? 1 : 16); ++i)
            image[i] = image[i] != 0 ? 1 : 0;
    }
    for (int n = 0; n < 16; ++n)
        image.replace(1680 + 4 * n + 2, 2, QByteArray(2, '\0'));
    image.replace(1825, 3, QByteArray(3, '\0'));
    image.replace(368, 256, destination.mid(368, 256));
    return image.replace(1845, 3, destination.mid(1845, 3));
}

} // namespace

class TestDeviceProtocol : public QObject
{
    Q_OBJECT

private slots:
    void writeOfDefaultBlock()
    {
        QFile golden(QStringLiteral(PARLOWEN_TEST_DATA "/write_default_block.hex"));
        QVERIFY(golden.open(QIODevice::ReadOnly | QIODevice::Text));
        const QList<QByteArray> lines = golden.readAll().trimmed().split('\n');
        TConfigBlock config = Block(DefaultImage());
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        QVERIFY(protocol.OperationInProgress());
        Feed(protocol, IdentityReply());
        for (int i = 0; i < 43; ++i)
            Feed(protocol, TReport {});
        QCOMPARE(host.sent.size(), 45);
        for (int i = 0; i < 45; ++i)
            QCOMPARE(host.sent[i].toHex(' ').toUpper(), lines.value(i).trimmed());
        QCOMPARE(host.events.filter(QStringLiteral("log")),
            (QStringList { "log Dedudev Version:V1", "log Serial Number: 12345", "log Data downloaded" }));
        QCOMPARE(protocol.ProtocolState, 21); // the box waits for the answer to the write end
        Feed(protocol, Report(QByteArray(65, '\xEE')));
        QCOMPARE(host.events.last(), QStringLiteral("information Download Complete"));
        QCOMPARE(protocol.ProtocolState, 0);
        QCOMPARE(Bytes(config), DefaultImage()); // a write only reads the block
        Feed(protocol, IdentityReply()); // idle: dropped
        QCOMPARE(host.sent.size(), 45);
    }

    // Report 2 + 2c is chunk c's first half, 3 + 2c its second half.
    void writeImages_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("report");
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("input 9 active message") << 56 << Hex("01") << 2 << 4 << Hex("0100");
        QTest::newRow("input 16 active message, flag 2") << 63 << Hex("02") << 2 << 4 << Hex("8000");
        QTest::newRow("input 8 inactive message") << 71 << Hex("01") << 2 << 6 << Hex("0080");
        QTest::newRow("output 1 on enabled") << 1744 << Hex("01") << 2 << 8 << Hex("0001");
        QTest::newRow("output 16 pulse enabled") << 1807 << Hex("FF") << 2 << 14 << Hex("8000");
        QTest::newRow("period 65000") << 1680 << Hex("E8FD0000") << 2 << 16 << Hex("FDE8");
        QTest::newRow("output 16 period, bits 16..31 dropped") << 1740 << Hex("78563412") << 2 << 46 << Hex("5678");
        QTest::newRow("phone number, last byte") << 80 << QByteArray(32, '9') << 3 << 3 << QByteArray(32, '9');
        QTest::newRow("inhibit input, low byte") << 1824 << Hex("34120000") << 3 << 40 << Hex("34");
        QTest::newRow("input 1 inverted") << 0 << Hex("01") << 3 << 41 << Hex("0001");
        QTest::newRow("output 1 inverted") << 16 << Hex("01") << 3 << 43 << Hex("0001");
        QTest::newRow("output 16 starts active") << 47 << Hex("01") << 3 << 45 << Hex("8000");
        QTest::newRow("request status enabled, byte 80") << 1844 << Hex("80") << 3 << 47 << Hex("01");
        QTest::newRow("on word, output 2") << 672 << QByteArray("On2") << 6 << 19 << QByteArray("On2");
        QTest::newRow("pulse word, output 16") << 1664 << QByteArray("P16") << 37 << 19 << QByteArray("P16");
        QTest::newRow("message bytes 0 and 255") << 112 << QByteArray(256, 'M') << 43 << 3 << QByteArray(16, 'M');
    }
    void writeImages()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(int, report);
        QFETCH(int, at);
        QFETCH(QByteArray, expected);
        const QByteArray sent = WriteReport(offset, bytes, report);
        QCOMPARE(sent.mid(at, expected.size()).toHex(' '), expected.toHex(' '));
        if (report == 2 || report == 3) { // chunk 0 whole: its marker, the one change, zeros elsewhere
            QByteArray image = QByteArray(report == 2 ? "\x55" : "\0", 1) + QByteArray(44, '\0');
            QCOMPARE(sent.mid(3, 45).toHex(' '), image.replace(at - 3, expected.size(), expected).toHex(' '));
        }
    }

    // Bytes a step does not write go out as the report before left them.
    void unwrittenBytesCarryOver()
    {
        QRandomGenerator random(11);
        TConfigBlock config = RandomToolBlock(random);
        RecordingHost host;
        EchoController controller;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        controller.Run(protocol, host);
        const auto& s = host.sent;
        QCOMPARE(s[3].mid(35, 5), s[2].mid(35, 5)); // chunk 0 second half, image offsets 32..36
        QCOMPARE(s[3].mid(48), s[2].mid(48));
        QCOMPARE(s[5].mid(19, 1), s[4].mid(19, 1)); // chunk 1 second half, offset 16: device-name byte 16
        QCOMPARE(s[5].mid(20), QByteArray(45, '\xFF'));
        QCOMPARE(s[43].mid(19), s[42].mid(19)); // 16 message bytes in the last half
        QCOMPARE(s[1].mid(2), s[0].mid(2)); // write start and write end name no payload
        QCOMPARE(s[44].mid(2), s[43].mid(2));
        protocol.StartRead();
        QCOMPARE(s[45].mid(2), s[44].mid(2)); // nor does the identify report
        controller.Run(protocol, host);
        for (int i = 46; i < s.size(); ++i)
            QCOMPARE(s[i].mid(3), s[i - 1].mid(3)); // a read request sets bytes 0..2 only
    }

    // Answer k answers read request k (0: 'r' chunk 0, 1: 'R' chunk 0, 2: 'r' chunk 1 ...); the block held 7F.
    void readStores_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("81: inputs 9 and 16") << 0 << 3 << Hex("8100") << 48 << Hex("00000000000000000100000000000001");
        QTest::newRow("lower group") << 0 << 5 << Hex("0001") << 64 << Hex("01000000000000000000000000000000");
        QTest::newRow("period 65000") << 0 << 15 << Hex("FDE8") << 1680 << Hex("E8FD0000");
        QTest::newRow("output 16 period") << 0 << 45 << Hex("03E8") << 1740 << Hex("E8030000");
        QTest::newRow("inhibit input") << 1 << 39 << Hex("FF") << 1824 << Hex("FF000000");
        QTest::newRow("start status") << 1 << 44 << Hex("807F") << 32 << Hex("01010101010101000000000000000001");
        QTest::newRow("request status bit 0") << 1 << 46 << Hex("03") << 1844 << Hex("01");
        QTest::newRow("request status clear") << 1 << 46 << Hex("FE") << 1844 << Hex("00");
        QTest::newRow("password") << 2 << 34 << QByteArray("Tarn") << 1808 << QByteArray("Tarn");
        QTest::newRow("keyword") << 3 << 2 << QByteArray("Stat") << 1828 << QByteArray("Stat");
        QTest::newRow("pulse word, output 16") << 35 << 18 << QByteArray("P16") << 1664 << QByteArray("P16");
        QTest::newRow("message byte 255, not 256") << 41 << 17 << QByteArray("ZQ") << 367 << QByteArray("Z\x7F");
    }
    void readStores()
    {
        QFETCH(int, answer);
        QFETCH(int, at);
        QFETCH(QByteArray, bytes);
        QFETCH(int, offset);
        QFETCH(QByteArray, expected);
        TConfigBlock config = Block(QByteArray(kConfigBlockSize, '\x7F'));
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartRead();
        Feed(protocol, IdentityReply());
        for (int k = 0; k < 42; ++k)
            Feed(protocol, k == answer ? Report(QByteArray(at, '\0') + bytes) : TReport {});
        QCOMPARE(Bytes(config).mid(offset, expected.size()).toHex(' '), expected.toHex(' '));
        QCOMPARE(host.events.mid(host.events.size() - 2), (QStringList { "present", "information Read Complete" }));
    }

    // Random blocks with every byte set, written to a controller that hands each half image back: every byte
    // comes back within the encodings, and the bytes a read does not carry keep what the destination held.
    void writeThenReadThroughEcho()
    {
        QRandomGenerator random(3);
        for (int round = 0; round < 20; ++round) {
            QByteArray image(kConfigBlockSize, '\0'), destination(kConfigBlockSize, '\0');
            random.fillRange(reinterpret_cast<quint32*>(image.data()), kConfigBlockSize / 4);
            random.fillRange(reinterpret_cast<quint32*>(destination.data()), kConfigBlockSize / 4);
            TConfigBlock config = Block(image);
            RecordingHost host;
            EchoController controller;
            TDeviceProtocol protocol(config, host);
            protocol.StartWrite();
            controller.Run(protocol, host);
            config = Block(destination);
            protocol.StartRead();
            controller.Run(protocol, host);
            QCOMPARE(host.sent.size(), 45 + 43);
            QCOMPARE(Bytes(config).toHex(' '), RoundTripped(Block(image), destination).toHex(' '));
        }
    }

    // Each operation's identity check: a good reply logs and starts the operation from its first step, whatever
    // an abandoned one left; a bad one ends it with a box, and the next report drops.
    void identity_data()
    {
        QTest::addColumn<int>("start"); // 1 write, 30 read, 60 signal, 70 identity alone
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("nextState");
        const QString v = QStringLiteral("log Dedudev Version:V1"), s = QStringLiteral("log Serial Number: 12345");
        const QString refused = QStringLiteral("error Application is not a QUILMOX Parlowen");
        QByteArray full;
        for (int i = 0; i < 55; ++i)
            full.append(char('A' + i % 26));
        QTest::newRow("write") << 1 << QByteArray() << QStringList { v, s, "send E" } << 2;
        QTest::newRow("read") << 30 << QByteArray() << QStringList { v, s, "send r" } << 32;
        QTest::newRow("signal") << 60 << QByteArray() << QStringList { v, s, "send A" } << 61;
        QTest::newRow("identity alone") << 70 << QByteArray() << QStringList { v, s } << 0;
        QTest::newRow("serial -1, empty version") << 1 << Bytes(IdentityReply("", Hex("FFFFFFFF")))
                                                 << QStringList { "log Dedudev Version:", "log Serial Number: -1", "send E" } << 2;
        QTest::newRow("55 characters, Windows-1252")
            << 30 << Bytes(IdentityReply("\x80" + full.left(54)))
            << QStringList { "log Dedudev Version:\u20AC" + QString::fromLatin1(full.left(54)), s, "send r" } << 32;
        QTest::newRow("write, byte 4 = 0C") << 1 << Hex("000000010C") << QStringList { refused } << 0;
        QTest::newRow("read, byte 2 = 1") << 30 << Hex("000001010B") << QStringList { refused } << 0;
        QTest::newRow("signal, byte 3 = 0") << 60 << Hex("000000000B") << QStringList { refused } << 0;
    }
    void identity()
    {
        QFETCH(int, start);
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, events);
        QFETCH(int, nextState);
        TConfigBlock config = Block(DefaultImage());
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.ChunkNumber = 9; // left over from an abandoned transfer
        protocol.EntryIndex = 6;
        protocol.ProtocolState = 61;
        const auto operation = start == 1 ? &TDeviceProtocol::StartWrite
            : start == 30                 ? &TDeviceProtocol::StartRead
            : start == 60                 ? &TDeviceProtocol::StartSignalStrength
                                          : &TDeviceProtocol::StartIdentify;
        (protocol.*operation)();
        QCOMPARE(protocol.ProtocolState, start);
        Feed(protocol, reply.isEmpty() ? IdentityReply() : Report(reply));
        QCOMPARE(host.events, QStringList { "send S" } + events);
        QCOMPARE(protocol.ProtocolState, nextState);
        const bool refused = events.size() == 1;
        QCOMPARE(protocol.EntryIndex, refused ? 6 : 0);
        QCOMPARE(int(host.sent.last()[2]), 0); // the chunk number starts again at 0
        Feed(protocol, TReport {}); // what follows a refusal is dropped
        QCOMPARE(host.events.size(), 1 + events.size() + (nextState == 0 ? 0 : 1));
    }

    // The idle states drop every report; state 61 shows each value that arrives and stays.
    void droppedAndListening()
    {
        TConfigBlock config = Block(DefaultImage());
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        for (int state : { 0, 22, 29, 31, 50, 59, 62, 69, 71, -1 }) {
            protocol.ProtocolState = state;
            Feed(protocol, IdentityReply());
            QCOMPARE(protocol.ProtocolState, state);
        }
        QVERIFY(host.events.isEmpty());
        protocol.ProtocolState = 61;
        QVERIFY(!protocol.OperationInProgress());
        Feed(protocol, Report(Hex("000011")));
        Feed(protocol, Report(Hex("0000FF")));
        QCOMPARE(host.events, (QStringList { "signal 17", "signal 255" }));
        QCOMPARE(Bytes(config), DefaultImage());
    }
};

QTEST_GUILESS_MAIN(TestDeviceProtocol)
#include "test_DeviceProtocol.moc"
