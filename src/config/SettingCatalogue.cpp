// The catalogue is built from one table: a row names a single setting, or with a %1 in its name a setting of every
// input or output, stepping `stride` bytes from one number to the next.
#include "config/SettingCatalogue.h"

#include "config/AnsiText.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtEndian>
#include <cmath>
#include <cstddef>
#include <limits>

namespace {

struct Row
{
    const char* name;
    SettingKind kind;
    std::size_t offset;
    int width;
    int stride; // 0 for a single setting
};

using K = SettingKind;
using B = TConfigBlock;

const Row kRows[] = {
    { "message", K::Text, offsetof(B, SMSMessage), sizeof B::SMSMessage, 0 },
    { "phone_number", K::Text, offsetof(B, PhoneNumber), sizeof B::PhoneNumber, 0 },
    { "device_name", K::Text, offsetof(B, DeviceName), sizeof B::DeviceName, 0 },
    { "password", K::Text, offsetof(B, Password), sizeof B::Password, 0 },
    { "request_status", K::Text, offsetof(B, RequestStatus), sizeof B::RequestStatus, 0 },
    { "request_status_enabled", K::Flag, offsetof(B, RequestStatusEnabled), 1, 0 },
    { "inhibit_input", K::Integer, offsetof(B, InhibitInput), 4, 0 },
    { "input%1.invert", K::Flag, offsetof(B, InvertInputs), 1, 1 },
    { "input%1.message_on_active", K::Flag, offsetof(B, InputActiveMessage), 1, 1 },
    { "input%1.message_on_inactive", K::Flag, offsetof(B, InputInactiveMessage), 1, 1 },
    { "output%1.invert", K::Flag, offsetof(B, InvertOutputs), 1, 1 },
    { "output%1.start_active", K::Flag, offsetof(B, OutputStartStatus), 1, 1 },
    { "output%1.on.word", K::Text, offsetof(B, OutputOn), kCommandWordSize, kCommandWordSize },
    { "output%1.on.enabled", K::Flag, offsetof(B, OutputOnEnabled), 1, 1 },
    { "output%1.off.word", K::Text, offsetof(B, OutputOff), kCommandWordSize, kCommandWordSize },
    { "output%1.off.enabled", K::Flag, offsetof(B, OutputOffEnabled), 1, 1 },
    { "output%1.toggle.word", K::Text, offsetof(B, OutputToggle), kCommandWordSize, kCommandWordSize },
    { "output%1.toggle.enabled", K::Flag, offsetof(B, OutputToggleEnabled), 1, 1 },
    { "output%1.pulse.word", K::Text, offsetof(B, OutputPulse), kCommandWordSize, kCommandWordSize },
    { "output%1.pulse.enabled", K::Flag, offsetof(B, OutputPulseEnabled), 1, 1 },
    { "output%1.pulse_period", K::Integer, offsetof(B, OutputPulsePeriod), 4, 4 },
    { "padding", K::Padding, offsetof(B, Padding), sizeof B::Padding, 0 },
};

// "input" or "output" for a family's row.
QByteArray Family(const Row& row)
{
    const QByteArray name(row.name);
    return name.left(name.indexOf('%'));
}

std::vector<Setting> BuildCatalogue()
{
    std::vector<Setting> settings;
    const auto add = [&](const Row& row, int number) {
        const int offset = int(row.offset) + row.stride * (number - 1);
        const int limit = row.offset == offsetof(B, SMSMessage) ? kMessageTextLimit : row.width;
        const QString name = QString::fromLatin1(row.name);
        settings.push_back({ row.stride ? name.arg(number) : name, row.kind, offset, row.width, limit });
    };
    // A family's rows follow each other in the table; its settings are listed number by number.
    for (auto row = std::begin(kRows); row != std::end(kRows);) {
        if (row->stride == 0) {
            add(*row++, 1);
            continue;
        }
        auto end = row;
        while (end != std::end(kRows) && end->stride != 0 && Family(*end) == Family(*row))
            ++end;
        for (int number = 1; number <= kChannelCount; ++number) {
            for (auto member = row; member != end; ++member)
                add(*member, number);
        }
        row = end;
    }
    return settings;
}

const uint8_t* At(const TConfigBlock& config, const Setting& setting)
{
    return BlockBytes(config) + setting.offset;
}

uint8_t* At(TConfigBlock& config, const Setting& setting)
{
    return BlockBytes(config) + setting.offset;
}

bool IsHexDigits(const QString& text, int count)
{
    if (text.size() != count)
        return false;
    // ASCII only: QChar::isDigit also takes Arabic-Indic and fullwidth digits, which the hex conversion drops.
    for (const QChar c : text) {
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(c))
            return false;
    }
    return true;
}

// Stores one value; returns why it was refused, or nothing.
QString Store(const Setting& setting, const QJsonValue& value, TConfigBlock& config)
{
    switch (setting.kind) {
    case SettingKind::Text: {
        if (!value.isString())
            return QCoreApplication::translate("SettingCatalogue", "must be a text");
        const QString text = value.toString();
        const QByteArray bytes = ToAnsi(text);
        // A zero byte would end the text early and leave the rest behind it in the field.
        if (bytes.contains('\0'))
            return QCoreApplication::translate("SettingCatalogue", "must not hold a zero character");
        if (FromAnsi(bytes) != text)
            return QCoreApplication::translate(
                "SettingCatalogue", "holds a character that Windows-1252 cannot represent");
        if (bytes.size() > setting.maxTextBytes)
            return QCoreApplication::translate("SettingCatalogue", "is longer than %1 bytes").arg(setting.maxTextBytes);
        WriteFieldBytes(At(config, setting), std::size_t(setting.width), bytes);
        return QString();
    }
    case SettingKind::Flag:
        if (!value.isBool())
            return QCoreApplication::translate("SettingCatalogue", "must be true or false");
        *At(config, setting) = value.toBool() ? 1 : 0;
        return QString();
    case SettingKind::Integer: {
        const double number = value.toDouble();
        if (!value.isDouble() || number != std::trunc(number) || number < std::numeric_limits<qint32>::min()
            || number > std::numeric_limits<qint32>::max())
            return QCoreApplication::translate("SettingCatalogue", "must be an integer from -2147483648 to 2147483647");
        qToLittleEndian<qint32>(qint32(number), At(config, setting));
        return QString();
    }
    case SettingKind::Padding: {
        if (!value.isString() || !IsHexDigits(value.toString(), 2 * setting.width))
            return QCoreApplication::translate("SettingCatalogue", "must be %1 hexadecimal digits")
                .arg(2 * setting.width);
        const QByteArray bytes = QByteArray::fromHex(value.toString().toLatin1());
        std::copy(bytes.begin(), bytes.end(), At(config, setting));
        return QString();
    }
    }
    return QString();
}

} // namespace

const std::vector<Setting>& SettingCatalogue()
{
    static const std::vector<Setting> catalogue = BuildCatalogue();
    return catalogue;
}

const Setting* FindSetting(const QString& name)
{
    static const QHash<QString, const Setting*> byName = [] {
        QHash<QString, const Setting*> names;
        for (const Setting& setting : SettingCatalogue())
            names.insert(setting.name, &setting);
        return names;
    }();
    return byName.value(name);
}

QJsonValue SettingValue(const Setting& setting, const TConfigBlock& config)
{
    const uint8_t* field = At(config, setting);
    switch (setting.kind) {
    case SettingKind::Text:
        return ReadTextField(field, std::size_t(setting.width));
    case SettingKind::Flag:
        return *field != 0;
    case SettingKind::Integer:
        return qint64(qFromLittleEndian<qint32>(field));
    case SettingKind::Padding:
        return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(field), setting.width).toHex());
    }
    return QJsonValue();
}

QString DisplayValue(const Setting& setting, const QJsonValue& value)
{
    switch (setting.kind) {
    case SettingKind::Text: {
        // JSON's quoting keeps a message's line breaks and control characters on one visible line.
        const QByteArray quoted = QJsonDocument(QJsonArray { value }).toJson(QJsonDocument::Compact);
        return QString::fromUtf8(quoted.mid(1, quoted.size() - 2));
    }
    case SettingKind::Flag:
        // The words a units table takes, and the record keeps: the same in every language.
        return value.toBool() ? QStringLiteral("on") : QStringLiteral("off");
    case SettingKind::Integer:
        return QString::number(value.toInteger());
    case SettingKind::Padding:
        return value.toString();
    }
    return QString();
}

QJsonObject BlockToJson(const TConfigBlock& config)
{
    QJsonObject document;
    for (const Setting& setting : SettingCatalogue())
        document.insert(setting.name, SettingValue(setting, config));
    return document;
}

QStringList BlockFromJson(const QJsonObject& document, TConfigBlock& config)
{
    QStringList refusals;
    for (auto item = document.begin(); item != document.end(); ++item) {
        const Setting* setting = FindSetting(item.key());
        const QString refusal = setting ? Store(*setting, item.value(), config)
                                        : QCoreApplication::translate("SettingCatalogue", "is not a setting");
        if (!refusal.isEmpty())
            refusals << QCoreApplication::translate("SettingCatalogue", "\"%1\" %2").arg(item.key(), refusal);
    }
    return refusals;
}

std::vector<SettingDifference> CompareSettings(const TConfigBlock& first, const TConfigBlock& second)
{
    std::vector<SettingDifference> differences;
    for (const Setting& setting : SettingCatalogue()) {
        const QJsonValue a = SettingValue(setting, first);
        const QJsonValue b = SettingValue(setting, second);
        if (a != b)
            differences.push_back({ &setting, a, b });
    }
    return differences;
}
