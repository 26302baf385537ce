// The protocol's frame: the identity check that opens every operation and the states that drop reports.
#include "RecordingHost.h"
#include "config/ConfigBlock.h"
#include "device/DeviceProtocol.h"

#include <QtTest>
#include <cstring>

namespace {

void Start(TDeviceProtocol& protocol, int operation) // 0 write, 1 read, 2 signal
{
    if (operation == 0)
        protocol.StartWrite();
    else if (operation == 1)
        protocol.StartRead();
    else
        protocol.StartSignalStrength();
}

} // namespace

class TestProtocolStates : public QObject
{
    Q_OBJECT

private slots:
    void identity_data()
    {
        QTest::addColumn<QByteArray>("serial"); // reply bytes 6..9
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("versionLine");
        QTest::addColumn<QString>("serialLine");
        QByteArray full;
        for (int i = 0; i < 55; ++i)
            full.append(char('A' + i % 26));
        QTest::newRow("V1, 12345") << Hex("39300000") << QByteArray("V1") << "Dedudev Version:V1"
                                   << "Serial Number: 12345";
        QTest::newRow("serial -1") << Hex("FFFFFFFF") << QByteArray("V1") << "Dedudev Version:V1"
                                   << "Serial Number: -1";
        QTest::newRow("empty version") << Hex("00000000") << QByteArray() << "Dedudev Version:"
                                       << "Serial Number: 0";
        QTest::newRow("55 characters, no zero")
            << Hex("07000000") << full << QStringLiteral("Dedudev Version:") + QString::fromLatin1(full)
            << "Serial Number: 7";
        QTest::newRow("Windows-1252") << Hex("01000000") << Hex("80E9")
                                      << QStringLiteral("Dedudev Version:\u20AC\u00E9") << "Serial Number: 1";
    }

    void identity()
    {
        QFETCH(QByteArray, serial);
        QFETCH(QByteArray, version);
        QFETCH(QString, versionLine);
        QFETCH(QString, serialLine);
        TConfigBlock config {};
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        TReport reply = IdentityReply(version);
        std::memcpy(reply.data() + 6, serial.constData(), 4);
        Feed(protocol, reply);
        QCOMPARE(host.log, (QStringList { versionLine, serialLine }));
    }

    // A good reply starts the operation from its first step, whatever an abandoned one left; a bad one ends it with
    // a box, sends nothing more and lets the next report drop.
    void identityCheck_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("startState");
        QTest::addColumn<int>("badByte"); // -1: the good reply
        QTest::addColumn<int>("badValue");
        QTest::addColumn<QByteArray>("expected"); // bytes 0..2 of the report after a good reply
        QTest::addColumn<int>("nextState");
        QTest::newRow("write") << 0 << 1 << -1 << 0 << Hex("0045") << 2;
        QTest::newRow("read") << 1 << 30 << -1 << 0 << Hex("007200") << 32;
        QTest::newRow("signal") << 2 << 60 << -1 << 0 << Hex("004100") << 61;
        QTest::newRow("write, byte 4 = 0C") << 0 << 1 << 4 << 0x0C << QByteArray() << 0;
        QTest::newRow("read, byte 2 = 1") << 1 << 30 << 2 << 1 << QByteArray() << 0;
        QTest::newRow("signal, byte 3 = 0") << 2 << 60 << 3 << 0 << QByteArray() << 0;
    }

    void identityCheck()
    {
        QFETCH(int, operation);
        QFETCH(int, startState);
        QFETCH(int, badByte);
        QFETCH(int, badValue);
        QFETCH(QByteArray, expected);
        QFETCH(int, nextState);
        TConfigBlock config = DefaultBlock();
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.ChunkNumber = 9; // left over from an abandoned transfer
        protocol.EntryIndex = 6;
        protocol.ProtocolState = 61;
        Start(protocol, operation);
        QCOMPARE(host.sent.size(), 1);
        QCOMPARE(Sent(host, 0).left(2), Hex("0053"));
        QCOMPARE(protocol.ProtocolState, startState);

        TReport reply = IdentityReply();
        if (badByte >= 0)
            reply[std::size_t(badByte)] = uint8_t(badValue);
        Feed(protocol, reply);
        QCOMPARE(protocol.ProtocolState, nextState);
        if (badByte < 0) {
            QCOMPARE(host.sent.size(), 2);
            QCOMPARE(Sent(host, 1).left(expected.size()).toHex(' '), expected.toHex(' '));
            QCOMPARE(int(protocol.ChunkNumber), 0);
            QCOMPARE(protocol.EntryIndex, 0);
            QVERIFY(host.boxes.isEmpty());
            return;
        }
        Feed(protocol, IdentityReply()); // dropped: the operation is over
        QCOMPARE(host.events, (QStringList { "send S", "error: Application is not a QUILMOX Parlowen" }));
        QCOMPARE(Bytes(config), Bytes(DefaultBlock()));
    }

    void droppedStates_data()
    {
        QTest::addColumn<int>("state");
        for (int state : { 0, 22, 29, 31, 50, 59, 62, -1 })
            QTest::newRow(qPrintable(QString::number(state))) << state;
    }

    void droppedStates()
    {
        QFETCH(int, state);
        TConfigBlock config = DefaultBlock();
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.ProtocolState = state;
        protocol.ChunkNumber = 3;
        protocol.EntryIndex = 4;
        TReport reply = IdentityReply();
        std::memset(reply.data() + 20, 0x41, 40);
        Feed(protocol, reply);
        QVERIFY(host.events.isEmpty());
        QCOMPARE(protocol.ProtocolState, state);
        QCOMPARE(int(protocol.ChunkNumber), 3);
        QCOMPARE(protocol.EntryIndex, 4);
        QCOMPARE(Bytes(config), Bytes(DefaultBlock()));
    }
};

QTEST_GUILESS_MAIN(TestProtocolStates)
#include "test_ProtocolStates.moc"
