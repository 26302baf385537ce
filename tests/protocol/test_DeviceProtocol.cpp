// The protocol state machine report by report: every byte it sends (the write of the default block against a
// golden file built from the wire layout alone, bytes carried over from report to report included), where each
// flag and number travels, what a read gives back, and the identity exchange that opens every operation.
#include "TestSupport.h"
#include "protocol/DeviceProtocol.h"

#include <QtTest>

namespace {

// Records every call of the state machine in order.
struct RecordingHost : ProtocolHost
{
    QList<QByteArray> sent;
    QStringList events;
    void SendReport(const TReport& report) override
    {
        sent.append(Bytes(report));
        events.append(QStringLiteral("send ") + QChar(report[1]));
    }
    void AppendLog(const QString& line) override { events.append("log " + line); }
    void ShowError(const QString& text) override { events.append("error " + text); }
    void ShowInformation(const QString& text) override { events.append("information " + text); }
    void PresentConfig() override { events.append("present"); }
    void ShowSignalStrength(int value) override { events.append(QStringLiteral("signal %1").arg(value)); }
    void CompareReadComplete(const TConfigBlock& read) override { events.append("compared " + Bytes(read).toHex()); }
};

TReport Report(const QByteArray& bytes)
{
    TReport report {};
    std::memcpy(report.data(), bytes.constData(), std::size_t(qMin<qsizetype>(bytes.size(), kReportSize)));
    return report;
}

// Bytes 2..4 = 0, 1, 11; the serial number (12345) in bytes 6..9; the version text from byte 10.
TReport IdentityReply(const QByteArray& version = "V1", const QByteArray& serial = Hex("39300000"))
{
    return Report(Hex("000000010B00") + serial + version);
}

void Feed(TDeviceProtocol& protocol, const TReport& report)
{
    protocol.ReceiveBuffer = report;
    protocol.HandleInputReport();
}

// Answers the report just sent, and each that follows, as the controller would until the operation ends: the
// identity reply to 'S', each read half with the image the matching write half carried (`halves`), zeros to the rest.
void Answer(TDeviceProtocol& protocol, RecordingHost& host, QMap<int, QByteArray>& halves)
{
    for (int answered = host.sent.size() - 1; answered < host.sent.size(); ++answered) {
        const QByteArray request = host.sent[answered];
        const int key = request[2] * 2 + (request[1] == 'D' || request[1] == 'R');
        if (request[1] == 'd' || request[1] == 'D')
            halves[key] = request.mid(3);
        const bool read = request[1] == 'r' || request[1] == 'R';
        Feed(protocol,
            request[1] == 'S' ? IdentityReply() : Report(read ? Hex("0000") + halves.value(key) : QByteArray()));
    }
}

// One report of the write of a block that is zero but for `bytes` at `offset`.
QByteArray WriteReport(int offset, const QByteArray& bytes, int report)
{
    TConfigBlock config = Block(QByteArray(kConfigBlockSize, '\0').replace(offset, bytes.size(), bytes));
    RecordingHost host;
    QMap<int, QByteArray> halves;
    TDeviceProtocol protocol(config, host);
    protocol.StartWrite();
    Answer(protocol, host, halves);
    return host.sent.value(report);
}

} // namespace

class TestDeviceProtocol : public QObject
{
    Q_OBJECT

private slots:
    // Each flag of the nine 16-flag arrays in its bit, the upper group first (a flag byte of 2 counts as set);
    // each pulse period as bits 8..15 then 0..7; the inhibit input as its low byte; the keyword's flag as bit 0.
    void packing()
    {
        const int arrays[][3] = { { 48, 2, 4 }, { 64, 2, 6 }, { 1744, 2, 8 }, { 1760, 2, 10 }, { 1776, 2, 12 },
            { 1792, 2, 14 }, { 0, 3, 41 }, { 16, 3, 43 }, { 32, 3, 45 } }; // block offset, report, report byte
        for (const auto& [offset, report, at] : arrays) {
            for (int n = 0; n < 16; ++n) // flag n as bit n of a 16-bit word, its high byte first
                QCOMPARE(WriteReport(offset + n, Hex("02"), report).mid(at, 2).toHex(),
                    QByteArray::number(1 << n, 16).rightJustified(4, '0'));
        }
        for (int n = 0; n < 16; ++n)
            QCOMPARE(WriteReport(1680 + 4 * n, Hex("785634FF"), 2).mid(16 + 2 * n, 2), Hex("5678"));
        QCOMPARE(WriteReport(1824, Hex("34120000"), 3).mid(40, 1), Hex("34"));
        QCOMPARE(WriteReport(1844, Hex("80"), 3).mid(47, 1), Hex("01"));
        QCOMPARE(WriteReport(80, QByteArray(32, '9'), 3).mid(3, 33), QByteArray(32, '9') + '\0');
        QCOMPARE(WriteReport(352, QByteArray(16, 'M'), 43).mid(3, 17), QByteArray(16, 'M') + '\0'); // message 240..255
    }

    // The default block, then random blocks with every byte set, written to a controller that hands each half image
    // back. The write sends the golden file's reports for the default block, logs the identity, tells its end after
    // the write end's answer and leaves the block as it was; an answer in the idle state is dropped. Every byte comes
    // back within the encodings, and the bytes a read does not carry keep what the destination held. The keyword's
    // flag is read from bit 0 of its byte alone.
    void writeThenReadThroughEcho()
    {
        QRandomGenerator random(3);
        for (int round = 0; round < 20; ++round) {
            QByteArray image(kConfigBlockSize, '\0'), destination(kConfigBlockSize, '\0');
            random.fillRange(reinterpret_cast<quint32*>(image.data()), kConfigBlockSize / 4);
            random.fillRange(reinterpret_cast<quint32*>(destination.data()), kConfigBlockSize / 4);
            if (round == 0)
                image = DefaultImage();
            TConfigBlock config = Block(image);
            RecordingHost host;
            QMap<int, QByteArray> halves;
            TDeviceProtocol protocol(config, host);
            protocol.StartWrite();
            Answer(protocol, host, halves);
            for (int i = 0; round == 0 && i < 45; ++i)
                QCOMPARE(host.sent.value(i).toHex(' ').toUpper(), GoldenWrite().value(i).trimmed());
            QCOMPARE(host.events.filter("log"),
                (QStringList { "log Dedudev Version:V1", "log Serial Number: 12345", "log Data downloaded" }));
            QCOMPARE(host.events.last(), QStringLiteral("information Download Complete"));
            QCOMPARE(protocol.ProtocolState, 0);
            QCOMPARE(Bytes(config), image); // a write only reads the block
            Feed(protocol, IdentityReply()); // idle: dropped
            QCOMPARE(host.sent.size(), 45);
            config = Block(destination);
            protocol.StartRead();
            Answer(protocol, host, halves);
            QByteArray expected = image;
            for (int i = 0; i < kConfigBlockSize; ++i) {
                if (i < 80 || (i >= 1744 && i < 1808) || i == 1844)
                    expected[i] = expected[i] != 0; // flags travel as bits
            }
            for (int n = 0; n < 16; ++n)
                expected.replace(1680 + 4 * n + 2, 2, QByteArray(2, '\0')); // periods travel as 16 bits
            expected.replace(1825, 3, QByteArray(3, '\0')).replace(368, 256, destination.mid(368, 256));
            QCOMPARE(Bytes(config).toHex(' '), expected.replace(1845, 3, destination.mid(1845, 3)).toHex(' '));
            QCOMPARE(host.events.mid(host.events.size() - 2), (QStringList { "present", "information Read Complete" }));
            for (int i = 46; i < host.sent.size(); ++i)
                QCOMPARE(host.sent[i].mid(3), host.sent[i - 1].mid(3)); // a read request sets bytes 0..2 only
            // A compare sends the read's reports and hands over a block of its own; the working block stays.
            const TConfigBlock read = config;
            TConfigBlock compared = config = Block(destination);
            protocol.StartCompare(compared);
            QCOMPARE(protocol.CurrentOperation(), Operation::Compare);
            Answer(protocol, host, halves);
            QCOMPARE(host.sent.mid(88), host.sent.mid(45, 43));
            QCOMPARE(host.events.last(), "compared " + Bytes(read).toHex());
            QCOMPARE(Bytes(config), destination);
            protocol.StartRead();
            halves[1] = QByteArray(44, '\xFF') + Hex("FE"); // chunk 0, second half: the keyword's flag clear
            Answer(protocol, host, halves);
            QCOMPARE(config.RequestStatusEnabled, uint8_t(0));
        }
    }

    // Each operation's identity check: a good reply logs and starts the operation from its first step, whatever
    // an abandoned one left; a bad one ends it with a box, and the next report drops.
    void identity()
    {
        const QString v = "log Dedudev Version:V1", s = "log Serial Number: 12345";
        const QString refused = "error Application is not a QUILMOX Parlowen";
        const QByteArray full = QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ").repeated(3).left(54);
        using P = TDeviceProtocol;
        const auto W = &P::StartWrite, R = &P::StartRead, G = &P::StartSignalStrength, I = &P::StartIdentify;
        const std::tuple<void (P::*)(), TReport, QStringList, int> rows[] = {
            { W, IdentityReply(), { v, s, "send E" }, 2 }, { R, IdentityReply(), { v, s, "send r" }, 32 },
            { G, IdentityReply(), { v, s, "send A" }, 61 }, { I, IdentityReply(), { v, s }, 0 }, // the identity alone
            { W, IdentityReply("", Hex("FFFFFFFF")), { "log Dedudev Version:", "log Serial Number: -1", "send E" }, 2 },
            { R, IdentityReply("\x80" + full), { "log Dedudev Version:\u20AC" + full, s, "send r" }, 32 },
            { W, Report(Hex("000000010C")), { refused }, 0 }, { R, Report(Hex("000001010B")), { refused }, 0 },
            { G, Report(Hex("000000000B")), { refused }, 0 }
        };
        for (const auto& [start, reply, events, next] : rows) {
            TConfigBlock config = Block(DefaultImage());
            RecordingHost host;
            TDeviceProtocol protocol(config, host);
            protocol.ChunkNumber = 9; // left over from an abandoned transfer
            protocol.EntryIndex = 6;
            protocol.ProtocolState = 61;
            (protocol.*start)();
            Feed(protocol, reply);
            QCOMPARE(host.events, QStringList { "send S" } + events);
            QCOMPARE(protocol.ProtocolState, next);
            QCOMPARE(protocol.EntryIndex, events.size() == 1 ? 6 : 0);
            QCOMPARE(int(host.sent.last()[2]), 0); // the chunk number starts again at 0
            Feed(protocol, TReport {}); // what follows a refusal is dropped
            QCOMPARE(host.events.size(), 1 + events.size() + (next == 0 ? 0 : 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestDeviceProtocol)
#include "test_DeviceProtocol.moc"
