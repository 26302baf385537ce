#include "cli/FileCommands.h"

#include "files/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {

// A settings document is a few kilobytes; the bound keeps a wrong path such as /dev/zero from filling memory.
constexpr qint64 kLongestDocument = 1 << 20;

} // namespace

bool LoadForCommand(const CommandContext& context, const QString& file, TConfigBlock& config)
{
    QString reason;
    const LoadOutcome outcome = LoadSettingsFile(file, config, &reason);
    if (outcome == LoadOutcome::Loaded)
        return true;
    QString message = file + QStringLiteral(": ") + LoadOutcomeText(outcome);
    if (outcome == LoadOutcome::Error && !reason.isEmpty())
        message += QStringLiteral(" (") + reason + QLatin1Char(')');
    context.Fail(message);
    return false;
}

bool RefusedToReplace(const CommandContext& context, const QString& file, bool force)
{
    const QFileInfo info(file);
    if (force || (!info.exists() && !info.isSymLink()))
        return false;
    context.Fail(file + QStringLiteral(": the file exists; --force replaces it"));
    return true;
}

int SaveForCommand(const CommandContext& context, const QString& file, const TConfigBlock& config, bool force)
{
    if (RefusedToReplace(context, file, force))
        return ExitStatus::Usage;
    QString reason;
    if (SaveSettingsFile(file, config, &reason))
        return ExitStatus::Success;
    context.Fail(file + QStringLiteral(": ") + SaveErrorText() + QStringLiteral(" (") + reason + QLatin1Char(')'));
    return ExitStatus::Usage;
}

int PrintDifferences(const CommandContext& context, const std::vector<SettingDifference>& differences,
    const QString& firstLabel, const QString& secondLabel)
{
    for (const SettingDifference& difference : differences) {
        const Setting& setting = *difference.setting;
        context.out << setting.name << ": " << DisplayValue(setting, difference.first) << " in " << firstLabel << ", "
                    << DisplayValue(setting, difference.second) << " in " << secondLabel << Qt::endl;
    }
    return differences.empty() ? ExitStatus::Success : ExitStatus::Different;
}

int ShowCommand(const CommandContext& context, const QString& file, bool json)
{
    TConfigBlock config {};
    if (!LoadForCommand(context, file, config))
        return ExitStatus::Usage;
    if (json) {
        context.out << QString::fromUtf8(QJsonDocument(BlockToJson(config)).toJson(QJsonDocument::Indented));
        context.out.flush();
        return ExitStatus::Success;
    }
    qsizetype widest = 0;
    for (const Setting& setting : SettingCatalogue())
        widest = std::max(widest, setting.name.size());
    for (const Setting& setting : SettingCatalogue()) {
        context.out << setting.name.leftJustified(widest + 1) << ' '
                    << DisplayValue(setting, SettingValue(setting, config)) << '\n';
    }
    context.out.flush();
    return ExitStatus::Success;
}

int DiffCommand(const CommandContext& context, const QString& first, const QString& second)
{
    TConfigBlock a {};
    TConfigBlock b {};
    if (!LoadForCommand(context, first, a) || !LoadForCommand(context, second, b))
        return ExitStatus::Usage;
    return PrintDifferences(context, CompareSettings(a, b), first, second);
}

int ImportCommand(const CommandContext& context, const QString& jsonFile, const QString& output, bool force)
{
    // Refused before the document is read, so that an existing file is named first.
    if (RefusedToReplace(context, output, force))
        return ExitStatus::Usage;
    QFile file(jsonFile);
    if (!file.open(QIODevice::ReadOnly)) {
        context.Fail(jsonFile + QStringLiteral(": ") + file.errorString());
        return ExitStatus::Usage;
    }
    const QByteArray text = file.read(kLongestDocument + 1);
    if (text.size() > kLongestDocument) {
        context.Fail(jsonFile + QStringLiteral(": longer than any settings document"));
        return ExitStatus::Usage;
    }
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        const QString why = document.isNull()
            ? error.errorString() + QStringLiteral(" at offset ") + QString::number(error.offset)
            : QStringLiteral("not a JSON object");
        context.Fail(jsonFile + QStringLiteral(": ") + why);
        return ExitStatus::Usage;
    }
    // A document may name only some settings: the others keep their defaults.
    TConfigBlock config = DefaultBlock();
    const QStringList refusals = BlockFromJson(document.object(), config);
    for (const QString& refusal : refusals)
        context.Fail(jsonFile + QStringLiteral(": ") + refusal);
    if (!refusals.isEmpty())
        return ExitStatus::Usage;
    return SaveForCommand(context, output, config, force);
}

int DefaultsCommand(const CommandContext& context, const QString& output, bool force)
{
    return SaveForCommand(context, output, DefaultBlock(), force);
}
