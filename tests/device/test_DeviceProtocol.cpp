// The protocol state machine report by report: every byte it sends (the write of the default block against a
// golden file built from the wire layout alone, bytes carried over from report to report included), where each
// flag and number travels, what a read gives back, the identity exchange and the idle states.
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

    // Each flag of the nine 16-flag arrays in its bit, the upper group first (a flag byte of 2 counts as set);
    // each pulse period as bits 8..15 then 0..7; the inhibit input as its low byte; the keyword's flag as bit 0.
    void packing()
    {
        const int arrays[][3] = { { 48, 2, 4 }, { 64, 2, 6 }, { 1744, 2, 8 }, { 1760, 2, 10 }, { 1776, 2, 12 },
            { 1792, 2, 14 }, { 0, 3, 41 }, { 16, 3, 43 }, { 32, 3, 45 } }; // block offset, report, report byte
        for (const auto& [offset, report, at] : arrays) {
            for (int n = 0; n < 16; ++n) {
                QByteArray expected(2, '\0');
                expected[n < 8 ? 1 : 0] = char(1 << (n % 8));
                QCOMPARE(WriteReport(offset + n, Hex("02"), report).mid(at, 2).toHex(), expected.toHex());
            }
        }
        for (int n = 0; n < 16; ++n)
            QCOMPARE(WriteReport(1680 + 4 * n, Hex("785634FF"), 2).mid(16 + 2 * n, 2), Hex("5678"));
        QCOMPARE(WriteReport(1824, Hex("34120000"), 3).mid(40, 1), Hex("34"));
        QCOMPARE(WriteReport(1844, Hex("80"), 3).mid(47, 1), Hex("01"));
        QCOMPARE(WriteReport(80, QByteArray(32, '9'), 3).mid(3, 33), QByteArray(32, '9') + '\0');
        QCOMPARE(WriteReport(352, QByteArray(16, 'M'), 43).mid(3, 17), QByteArray(16, 'M') + '\0'); // message 240..255
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
            QCOMPARE(host.events.mid(host.events.size() - 2), (QStringList { "present", "information Read Complete" }));
            for (int i = 46; i < host.sent.size(); ++i)
                QCOMPARE(host.sent[i].mid(3), host.sent[i - 1].mid(3)); // a read request sets bytes 0..2 only
        }
        // The keyword's flag is bit 0 of its byte alone.
        TConfigBlock config {};
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        for (const auto& [answer, flag] : { std::pair { "FE", 0 }, { "03", 1 } }) {
            protocol.StartRead();
            Feed(protocol, IdentityReply());
            for (int k = 0; k < 42; ++k)
                Feed(protocol, Report(k == 1 ? QByteArray(46, '\0') + Hex(answer) : QByteArray()));
            QCOMPARE(int(config.RequestStatusEnabled), flag);
        }
    }

    // Each operation's identity check: a good reply logs and starts the operation from its first step, whatever
    // an abandoned one left; a bad one ends it with a box, and the next report drops.
    void identity()
    {
        const QString v = "log Dedudev Version:V1", s = "log Serial Number: 12345";
        const QString refused = "error Application is not a QUILMOX Parlowen";
        const QByteArray full = QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ").repeated(3).left(54);
        const std::tuple<int, TReport, QStringList, int> rows[] = { { 1, IdentityReply(), { v, s, "send E" }, 2 },
            { 30, IdentityReply(), { v, s, "send r" }, 32 }, { 60, IdentityReply(), { v, s, "send A" }, 61 },
            { 70, IdentityReply(), { v, s }, 0 }, // the identity alone
            { 1, IdentityReply("", Hex("FFFFFFFF")), { "log Dedudev Version:", "log Serial Number: -1", "send E" }, 2 },
            { 30, IdentityReply("\x80" + full), { "log Dedudev Version:\u20AC" + full, s, "send r" }, 32 },
            { 1, Report(Hex("000000010C")), { refused }, 0 }, { 30, Report(Hex("000001010B")), { refused }, 0 },
            { 60, Report(Hex("000000000B")), { refused }, 0 } };
        for (const auto& [start, reply, events, next] : rows) {
            TConfigBlock config = Block(DefaultImage());
            RecordingHost host;
            TDeviceProtocol protocol(config, host);
            protocol.ChunkNumber = 9; // left over from an abandoned transfer
            protocol.EntryIndex = 6;
            protocol.ProtocolState = 61;
            (protocol
                .*(start == 1         ? &TDeviceProtocol::StartWrite
                        : start == 30 ? &TDeviceProtocol::StartRead
                        : start == 60 ? &TDeviceProtocol::StartSignalStrength
                                      : &TDeviceProtocol::StartIdentify))();
            QCOMPARE(protocol.ProtocolState, start);
            Feed(protocol, reply);
            QCOMPARE(host.events, QStringList { "send S" } + events);
            QCOMPARE(protocol.ProtocolState, next);
            QCOMPARE(protocol.EntryIndex, events.size() == 1 ? 6 : 0);
            QCOMPARE(int(host.sent.last()[2]), 0); // the chunk number starts again at 0
            Feed(protocol, TReport {}); // what follows a refusal is dropped
            QCOMPARE(host.events.size(), 1 + events.size() + (next == 0 ? 0 : 1));
        }
    }

    // The idle states drop every report. (The window's tests show state 61 setting the bar for every report.)
    void dropped()
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
        QCOMPARE(Bytes(config), DefaultImage());
    }
};

QTEST_GUILESS_MAIN(TestDeviceProtocol)
#include "test_DeviceProtocol.moc"
