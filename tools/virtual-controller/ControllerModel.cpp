#include "ControllerModel.h"

#include "protocol/Transfer.h"

#include <QtEndian>

void ControllerModel::Limit(int reports, bool unplug)
{
    answersLeft = reports;
    unplugWhenSilent = unplug;
}

void ControllerModel::Hold(const TConfigBlock& config)
{
    for (int key = 0; key < 2 * kChunkCount; ++key) {
        QByteArray image(kHalfImageSize, '\0');
        EncodeHalf(config, key / 2, Half(key % 2), reinterpret_cast<uint8_t*>(image.data()));
        writtenHalves[key] = image;
    }
}

ControllerModel::Reply ControllerModel::Receive(const TReport& report)
{
    outputLog.push_back(report);
    Reply reply;
    if (answersLeft != 0) {
        reply.answered = true;
        reply.answer = AnswerTo(report);
    }
    if (answersLeft > 0 && --answersLeft == 0)
        reply.unplug = unplugWhenSilent;
    return reply;
}

QByteArray ControllerModel::AnswerTo(const TReport& report)
{
    // What the controller does not answer otherwise it echoes, byte for byte.
    QByteArray answer(reinterpret_cast<const char*>(report.data()), kReportSize);
    const uint8_t command = report[1];
    const int key = report[2] * 2 + (command == Command::WriteSecond || command == Command::ReadSecond);
    if (command == Command::Identify) {
        answer.replace(2, 3, reinterpret_cast<const char*>(identity.check), 3);
        qToLittleEndian<qint32>(identity.serialNumber, answer.data() + 6);
        answer.replace(10, identity.versionText.size(), identity.versionText);
    } else if (command == Command::WriteFirst || command == Command::WriteSecond) {
        writtenHalves[key] = QByteArray(
            reinterpret_cast<const char*>(report.data()) + kWriteImageStart, kReportSize - kWriteImageStart);
    } else if (command == Command::ReadFirst || command == Command::ReadSecond) {
        const auto preset = presetHalves.find(key);
        answer.replace(kReadImageStart, kReportSize - kReadImageStart,
            preset != presetHalves.end() ? preset->second : writtenHalves[key]);
    } else if (command == Command::SignalQuery && !signalValues.empty()) {
        answer[2] = char(signalValues[nextSignal++ % signalValues.size()]);
    }
    return answer.left(kReportSize);
}
