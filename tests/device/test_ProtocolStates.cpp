// The protocol's frame: the identity check that opens every operation, the signal-strength replies, the states
// that drop reports and the last answers that end a write or a read.
#include "RecordingHost.h"
#include "config/ConfigBlock.h"
#include "device/Protocol.h"

#include <QtTest>
#include <array>
#include <cstring>

class TestProtocolStates : public QObject
{
    Q_OBJECT

private slots:
    void identity_data()
    {
        QTest::addColumn<qint32>("serial");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("versionLine");
        QTest::addColumn<QString>("serialLine");
        QByteArray full;
        for (int i = 0; i < 55; ++i)
            full.append(char('A' + i % 26));
        QTest::newRow("V1, 12345") << 12345 << QByteArray("V1") << "Dedudev Version:V1"
                                   << "Serial Number: 12345";
        QTest::newRow("serial -1") << -1 << QByteArray("V1") << "Dedudev Version:V1"
                                   << "Serial Number: -1";
        QTest::newRow("empty version") << 0 << QByteArray() << "Dedudev Version:"
                                       << "Serial Number: 0";
        QTest::newRow("55 characters, no zero")
            << 7 << full << QStringLiteral("Dedudev Version:") + QString::fromLatin1(full) << "Serial Number: 7";
        QTest::newRow("Windows-1252") << 1 << Hex("80E9") << QStringLiteral("Dedudev Version:\u20AC\u00E9")
                                      << "Serial Number: 1";
    }

    void identity()
    {
        QFETCH(qint32, serial);
        QFETCH(QByteArray, version);
        QFETCH(QString, versionLine);
        QFETCH(QString, serialLine);
        TConfigBlock config {};
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        TReport reply = IdentityReply(serial, version);
        if (serial == 12345)
            QCOMPARE(ReportBytes(reply).mid(6, 4), Hex("39300000"));
        if (serial == -1)
            QCOMPARE(ReportBytes(reply).mid(6, 4), Hex("FFFFFFFF"));
        Feed(protocol, reply);
        QCOMPARE(host.log, (QStringList { versionLine, serialLine }));
    }

    void identityStartsOperation_data()
    {
        QTest::addColumn<int>("operation"); // 0 write, 1 read, 2 signal
        QTest::addColumn<int>("startState");
        QTest::addColumn<QByteArray>("expected"); // bytes 0..2 of the report after the identity reply
        QTest::addColumn<int>("nextState");
        QTest::newRow("write") << 0 << 1 << Hex("0045") << 2;
        QTest::newRow("read") << 1 << 30 << Hex("007200") << 32;
        QTest::newRow("signal") << 2 << 60 << Hex("004100") << 61;
    }

    void identityStartsOperation()
    {
        QFETCH(int, operation);
        QFETCH(int, startState);
        QFETCH(QByteArray, expected);
        QFETCH(int, nextState);
        TConfigBlock config = DefaultBlock();
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.ChunkNumber = 9; // left over from an abandoned transfer
        protocol.EntryIndex = 6;
        protocol.ProtocolState = 61;
        const auto start = std::array<void (TDeviceProtocol::*)(), 3> { &TDeviceProtocol::StartWrite,
            &TDeviceProtocol::StartRead, &TDeviceProtocol::StartSignalStrength };
        (protocol.*start[std::size_t(operation)])();
        QCOMPARE(host.sent.size(), 1);
        QCOMPARE(Sent(host, 0).left(2), Hex("0053"));
        QCOMPARE(protocol.ProtocolState, startState);
        Feed(protocol, IdentityReply());
        QCOMPARE(host.sent.size(), 2);
        QCOMPARE(Sent(host, 1).left(expected.size()).toHex(' '), expected.toHex(' '));
        QCOMPARE(protocol.ProtocolState, nextState);
        QCOMPARE(int(protocol.ChunkNumber), 0);
        QCOMPARE(protocol.EntryIndex, 0);
    }

    void badIdentity_data()
    {
        QTest::addColumn<int>("startState");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("value");
        QTest::newRow("write, byte 4 = 0C") << 1 << 4 << 0x0C;
        QTest::newRow("read, byte 2 = 1") << 30 << 2 << 1;
        QTest::newRow("signal, byte 3 = 0") << 60 << 3 << 0;
    }

    void badIdentity()
    {
        QFETCH(int, startState);
        QFETCH(int, byte);
        QFETCH(int, value);
        TConfigBlock config = DefaultBlock();
        const QByteArray before = Bytes(config);
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        if (startState == 1)
            protocol.StartWrite();
        else if (startState == 30)
            protocol.StartRead();
        else
            protocol.StartSignalStrength();
        TReport reply = IdentityReply();
        reply[std::size_t(byte)] = uint8_t(value);
        Feed(protocol, reply);
        QCOMPARE(host.boxes, QStringList { "error: Application is not a QUILMOX Parlowen" });
        QCOMPARE(protocol.ProtocolState, 0);
        QCOMPARE(host.sent.size(), 1);
        QVERIFY(host.log.isEmpty());

        Feed(protocol, IdentityReply()); // dropped: the operation is over
        QCOMPARE(host.sent.size(), 1);
        QVERIFY(host.log.isEmpty());
        QCOMPARE(host.boxes.size(), 1);
        QCOMPARE(Bytes(config), before);
        QCOMPARE(host.presents, 0);
    }

    // A read started in the middle of a write takes the next report, the answer to a write half, as its identity.
    void readStartedDuringWrite_data()
    {
        QTest::addColumn<bool>("validIdentity");
        QTest::newRow("answer to the write half") << false;
        QTest::newRow("identity reply") << true;
    }

    void readStartedDuringWrite()
    {
        QFETCH(bool, validIdentity);
        TConfigBlock config = DefaultBlock();
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        Feed(protocol, IdentityReply());
        while (protocol.ProtocolState != 10)
            Feed(protocol, TReport {});
        const int sentBefore = host.sent.size();
        protocol.StartRead();
        QCOMPARE(protocol.ProtocolState, 30);
        Feed(protocol, validIdentity ? IdentityReply() : TReport {});
        if (!validIdentity) {
            QCOMPARE(host.boxes, QStringList { "error: Application is not a QUILMOX Parlowen" });
            QCOMPARE(protocol.ProtocolState, 0);
            QCOMPARE(host.sent.size(), sentBefore + 1);
        } else {
            QVERIFY(host.boxes.isEmpty());
            QCOMPARE(Sent(host, sentBefore + 1).left(3), Hex("007200"));
            QCOMPARE(protocol.ProtocolState, 32);
        }
    }

    void signalStrength()
    {
        TConfigBlock config = DefaultBlock();
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.StartWrite();
        Complete(protocol); // leaves the chunk number at 21
        const int sentBefore = host.sent.size();
        protocol.StartSignalStrength();
        Feed(protocol, IdentityReply());
        QCOMPARE(host.sent.size(), sentBefore + 2);
        QCOMPARE(Sent(host, sentBefore + 1).left(3), Hex("004100"));
        QVERIFY(host.signalValues.isEmpty());

        for (int value : { 17, 0, 255 }) {
            TReport reply;
            reply.fill(0x33);
            reply[2] = uint8_t(value);
            Feed(protocol, reply);
        }
        QCOMPARE(host.signalValues, (QList<int> { 17, 0, 255 }));
        QCOMPARE(protocol.ProtocolState, 61);
        QCOMPARE(host.sent.size(), sentBefore + 2);
    }

    void droppedStates_data()
    {
        QTest::addColumn<int>("state");
        for (int state : { 0, 22, 29, 31, 50, 59, 62, 999, -1 })
            QTest::newRow(qPrintable(QString::number(state))) << state;
    }

    void droppedStates()
    {
        QFETCH(int, state);
        TConfigBlock config = DefaultBlock();
        const QByteArray before = Bytes(config);
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
        QCOMPARE(Bytes(config), before);
    }

    // The last answer of either sequence ends it whatever it holds.
    void endStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("presents");
        QTest::newRow("write end") << 21 << "information: Download Complete" << 0;
        QTest::newRow("read of chunk 20") << 49 << "information: Read Complete" << 1;
    }

    void endStates()
    {
        QFETCH(int, state);
        QFETCH(QString, box);
        QFETCH(int, presents);
        TConfigBlock config {};
        RecordingHost host;
        TDeviceProtocol protocol(config, host);
        protocol.ProtocolState = state;
        protocol.ChunkNumber = 20;
        TReport reply;
        reply.fill(0xFF);
        Feed(protocol, reply);
        QCOMPARE(host.boxes, QStringList { box });
        QCOMPARE(protocol.ProtocolState, 0);
        QCOMPARE(host.presents, presents);
        QVERIFY(host.sent.isEmpty());
        if (state == 49) {
            QCOMPARE(Bytes(config).mid(352, 16), QByteArray(16, char(0xFF)));
            QCOMPARE(Bytes(config).mid(368, 1), QByteArray(1, '\0'));
        }
    }
};

QTEST_GUILESS_MAIN(TestProtocolStates)
#include "test_ProtocolStates.moc"
