// A ProtocolHost that records everything the state machine does, and a controller that answers each sent report at
// once the way the real one would (identity reply, read answers echoing what a write sent).
#pragma once

#include "../config/BlockImage.h"
#include "config/ConfigBlock.h"
#include "device/DeviceProtocol.h"

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
    const TDeviceProtocol* protocol = nullptr; // when set, PresentConfig records the state it ran in

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
    void ShowError(const QString& text) override { Box(QStringLiteral("error: ") + text); }
    void ShowInformation(const QString& text) override { Box(QStringLiteral("information: ") + text); }
    void PresentConfig() override
    {
        events.append(QStringLiteral("present in state %1").arg(protocol ? protocol->ProtocolState : -1));
    }
    void ShowSignalStrength(int value) override { events.append(QStringLiteral("signal %1").arg(value)); }
    void Box(const QString& line)
    {
        boxes.append(line);
        events.append(line);
    }
};

inline QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

inline QByteArray Sent(const RecordingHost& host, int index)
{
    const TReport report = host.sent.value(index);
    return QByteArray(reinterpret_cast<const char*>(report.data()), int(report.size()));
}

// Identity reply: bytes 2..4 = 0, 1, 11, serial 12345 at 6..9 little-endian, the version text from byte 10.
inline TReport IdentityReply(const QByteArray& version = "V1")
{
    TReport reply {};
    reply[3] = 1;
    reply[4] = 11;
    reply[6] = 0x39;
    reply[7] = 0x30;
    std::memcpy(reply.data() + 10, version.constData(), std::size_t(qMin(version.size(), 55)));
    return reply;
}

inline void Feed(TDeviceProtocol& protocol, const TReport& report)
{
    protocol.ReceiveBuffer = report;
    protocol.HandleInputReport();
}

// Answers every report with zeros (the identity reply to the first) until the machine goes idle.
inline void Complete(TDeviceProtocol& protocol, const TReport& answer = TReport {})
{
    Feed(protocol, IdentityReply());
    for (int guard = 0; protocol.ProtocolState != 0 && guard < 100; ++guard)
        Feed(protocol, answer);
}

// Keeps the image of every 'd'/'D' it was sent, per chunk and half, and answers 'r'/'R' for the same chunk and half
// with that image from byte 2; 'S' gets the identity reply, everything else zeros.
struct EchoController
{
    QMap<int, QByteArray> stored; // key chunk * 2 + half
    int handled = 0; // reports of the host already answered

    TReport Answer(const TReport& request)
    {
        TReport answer {};
        const char command = char(request[1]);
        const int key = request[2] * 2 + (command == 'D' || command == 'R' ? 1 : 0);
        if (command == 'S')
            return IdentityReply();
        if (command == 'd' || command == 'D')
            stored[key] = QByteArray(reinterpret_cast<const char*>(request.data() + 3), 62);
        else if (command == 'r' || command == 'R') {
            const QByteArray image = stored.value(key, QByteArray(62, '\0'));
            std::copy(image.cbegin(), image.cbegin() + std::min<qsizetype>(image.size(), 62), answer.begin() + 2);
        }
        return answer;
    }

    // Answers every report not yet answered, as long as the protocol keeps sending.
    void Run(TDeviceProtocol& protocol, RecordingHost& host)
    {
        while (handled < host.sent.size())
            Feed(protocol, Answer(host.sent[handled++]));
    }
};
