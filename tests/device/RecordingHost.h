// A ProtocolHost that records everything the state machine does, and can answer each sent report at once the way
// a controller would (identity reply, read answers echoing what a write sent).
#pragma once

#include "config/ConfigBlock.h"
#include "device/Protocol.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <cstring>

struct RecordingHost : ProtocolHost
{
    QList<TReport> sent;
    QStringList log;
    QStringList boxes; // "error: ..." or "information: ..."
    QStringList events; // every call in order, to check sequencing
    int presents = 0;
    QList<int> signalValues;
    const TDeviceProtocol* protocol = nullptr; // when set, PresentConfig records the state it ran in
    QList<int> statesAtPresent;

    void SendReport(const TReport& report) override
    {
        sent.append(report);
        events.append(QStringLiteral("send %1").arg(QChar(report[1])));
    }
    void AppendLog(const QString& line) override
    {
        log.append(line);
        events.append(QStringLiteral("log ") + line);
    }
    void ShowError(const QString& text) override
    {
        boxes.append(QStringLiteral("error: ") + text);
        events.append(boxes.last());
    }
    void ShowInformation(const QString& text) override
    {
        boxes.append(QStringLiteral("information: ") + text);
        events.append(boxes.last());
    }
    void PresentConfig() override
    {
        ++presents;
        events.append(QStringLiteral("present"));
        if (protocol)
            statesAtPresent.append(protocol->ProtocolState);
    }
    void ShowSignalStrength(int value) override
    {
        signalValues.append(value);
        events.append(QStringLiteral("signal %1").arg(value));
    }
};

// Hex text "00 53 0A ..." to bytes; whitespace between bytes is ignored.
inline QByteArray FromHex(const QString& text)
{
    return QByteArray::fromHex(text.toLatin1());
}

inline QByteArray ReportBytes(const TReport& report)
{
    return QByteArray(reinterpret_cast<const char*>(report.data()), int(report.size()));
}

// Identity reply: bytes 2..4 = 0, 1, 11, serial at 6..9 little-endian, version text from byte 10.
inline TReport IdentityReply(qint32 serial = 12345, const QByteArray& version = "V1")
{
    TReport reply {};
    reply[3] = 1;
    reply[4] = 11;
    const quint32 raw = quint32(serial);
    for (int i = 0; i < 4; ++i)
        reply[6 + i] = uint8_t(raw >> (8 * i));
    std::memcpy(reply.data() + 10, version.constData(), std::size_t(qMin(version.size(), 55)));
    return reply;
}

inline void Feed(TDeviceProtocol& protocol, const TReport& report)
{
    protocol.ReceiveBuffer = report;
    protocol.HandleInputReport();
}

// A controller that remembers the image of every 'd'/'D' it was sent, per chunk and half, and answers 'r'/'R' for
// the same chunk and half with that image from byte 2. Other reports get an answer of all zeros except the
// identity reply to 'S'.
struct EchoController
{
    QMap<int, QByteArray> stored; // key chunk * 2 + half
    int handled = 0; // reports of the host already answered

    TReport Answer(const TReport& request)
    {
        TReport answer {};
        const uint8_t command = request[1];
        if (command == 0x53)
            return IdentityReply();
        if (command == 0x64 || command == 0x44) {
            const int key = request[2] * 2 + (command == 0x44 ? 1 : 0);
            stored[key] = QByteArray(reinterpret_cast<const char*>(request.data() + 3), 62);
        } else if (command == 0x72 || command == 0x52) {
            const QByteArray image = stored.value(request[2] * 2 + (command == 0x52 ? 1 : 0), QByteArray(62, '\0'));
            std::memcpy(answer.data() + 2, image.constData(), 62);
        }
        return answer;
    }

    // Answers every report not yet answered, as long as the protocol keeps sending.
    void Run(TDeviceProtocol& protocol, RecordingHost& host)
    {
        while (handled < host.sent.size()) {
            const TReport answer = Answer(host.sent[handled++]);
            Feed(protocol, answer);
        }
    }
};

// Helpers shared by the protocol tests.
inline QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

inline QByteArray Bytes(const TConfigBlock& block)
{
    return QByteArray(reinterpret_cast<const char*>(BlockBytes(block)), int(sizeof block));
}

inline TConfigBlock DefaultBlock()
{
    TConfigBlock block {};
    SetDefaults(block);
    return block;
}

// Answers every report with zeros (the identity reply to the first) until the machine goes idle.
inline void Complete(TDeviceProtocol& protocol, const TReport& answer = TReport {})
{
    Feed(protocol, IdentityReply());
    for (int guard = 0; protocol.ProtocolState != 0 && guard < 100; ++guard)
        Feed(protocol, answer);
}

inline QByteArray Sent(const RecordingHost& host, int index)
{
    return ReportBytes(host.sent.value(index));
}
