// A protocol host that records every call in order, and a controller that answers each sent report at once as the
// real one would: the identity reply to 'S', each read half with the image the matching write half carried.
#pragma once

#include "TestSupport.h"
#include "device/DeviceProtocol.h"

#include <QList>
#include <QMap>
#include <QStringList>

struct RecordingHost : ProtocolHost
{
    QList<QByteArray> sent;
    QStringList events;

    void SendReport(const TReport& report) override
    {
        sent.append(Bytes(report));
        events.append(QStringLiteral("send ") + QChar(report[1]));
    }
    void AppendLog(const QString& line) override { events.append(QStringLiteral("log ") + line); }
    void ShowError(const QString& text) override { events.append(QStringLiteral("error ") + text); }
    void ShowInformation(const QString& text) override { events.append(QStringLiteral("information ") + text); }
    void PresentConfig() override { events.append(QStringLiteral("present")); }
    void ShowSignalStrength(int value) override { events.append(QStringLiteral("signal %1").arg(value)); }
};

// A whole input report from its leading bytes.
inline TReport Report(const QByteArray& bytes)
{
    TReport report {};
    std::memcpy(report.data(), bytes.constData(), std::size_t(qMin<qsizetype>(bytes.size(), kReportSize)));
    return report;
}

// Bytes 2..4 = 0, 1, 11; serial 12345 in bytes 6..9; the version text from byte 10.
inline TReport IdentityReply(const QByteArray& version = "V1", const QByteArray& serial = Hex("39300000"))
{
    return Report(Hex("0000") + Hex("00010B00") + serial + version);
}

inline void Feed(TDeviceProtocol& protocol, const TReport& report)
{
    protocol.ReceiveBuffer = report;
    protocol.HandleInputReport();
}

struct EchoController
{
    QMap<int, QByteArray> halves; // key: chunk * 2 + second half
    int answered = 0;

    // Answers every report the host has sent and not yet had answered, as long as the protocol keeps sending.
    void Run(TDeviceProtocol& protocol, RecordingHost& host)
    {
        while (answered < host.sent.size()) {
            const QByteArray request = host.sent[answered++];
            const int key = request[2] * 2 + (request[1] == 'D' || request[1] == 'R');
            if (request[1] == 'd' || request[1] == 'D')
                halves[key] = request.mid(3);
            Feed(protocol,
                request[1] == 'S'                            ? IdentityReply()
                    : request[1] == 'r' || request[1] == 'R' ? Report(Hex("0000") + halves.value(key))
                                                             : TReport {});
        }
    }
};
