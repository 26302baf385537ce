#include "ui/SettingLabels.h"

#include "ui/FormTables.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// A label's caption without the colon that leads to its control.
QString Caption(const char* source)
{
    QString caption = FormText(source);
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

// The group of sixteen check boxes that holds a family's flag.
struct TFlagRow
{
    const char* Member; // input%1.invert -> "input", "invert"
    bool Output;
    CheckGroup Group;
};

const TFlagRow kFlags[] = {
    { "invert", false, InvertInputsGroup },
    { "message_on_active", false, InputActiveMessageGroup },
    { "message_on_inactive", false, InputInactiveMessageGroup },
    { "invert", true, InvertOutputsGroup },
    { "start_active", true, OutputStartStatusGroup },
};

QString OutputSetting(int output, const QString& member)
{
    const QString page = FormText(kPageCaptions[OutputPage(output)]);
    if (member == QLatin1String("pulse_period"))
        return QCoreApplication::translate("TMainForm", "%1: %2 %3")
            .arg(page, OutputCaption(output), FormText("Pulse period"));
    for (const TCommandRow& command : kCommands) {
        const QString word = QString::fromLatin1(command.Name).toLower();
        const QString caption = FormText(command.LabelCaption);
        if (member == word + QLatin1String(".word"))
            return QCoreApplication::translate("TMainForm", "%1: %2 %3 command")
                .arg(page, OutputCaption(output), caption);
        if (member == word + QLatin1String(".enabled"))
            return QCoreApplication::translate("TMainForm", "%1: %2 %3 enabled")
                .arg(page, OutputCaption(output), caption);
    }
    return QString();
}

} // namespace

QString SettingLabel(const Setting& setting)
{
    for (const TLabelRow& row : kMessagePageLabels) {
        if (setting.name == QLatin1String(row.Setting))
            return Caption(row.Caption);
        if (setting.name == QLatin1String(row.Setting) + QLatin1String("_enabled"))
            return QCoreApplication::translate("TMainForm", "%1 enabled").arg(Caption(row.Caption));
    }

    static const QRegularExpression family(QStringLiteral("^(input|output)(\\d+)\\.(.+)$"));
    const QRegularExpressionMatch match = family.match(setting.name);
    if (!match.hasMatch())
        return QCoreApplication::translate("TMainForm", "Reserved bytes");
    const bool output = match.captured(1) == QLatin1String("output");
    const int number = match.captured(2).toInt();
    const QString member = match.captured(3);
    for (const TFlagRow& row : kFlags) {
        if (row.Output == output && member == QLatin1String(row.Member))
            return QCoreApplication::translate("TMainForm", "%1: %2")
                .arg(FormText(kCheckGroups[row.Group].Caption))
                .arg(number);
    }
    const QString label = output ? OutputSetting(number, member) : QString();
    return label.isEmpty() ? setting.name : label;
}
