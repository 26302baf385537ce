#include "ui/Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace {

const QString kLanguageKey = QStringLiteral("Interface/Language");
QString gInstalled = QStringLiteral("en");

} // namespace

const std::array<TLanguage, 7> kLanguages = { {
    { "en", "English" },
    { "de", "Deutsch" },
    { "es", "Español" },
    { "fr", "Français" },
    { "it", "Italiano" },
    { "pl", "Polski" },
    { "pt_BR", "Português (Brasil)" },
} };

QString LanguageCode(const QString& tag)
{
    const QString wanted = QString(tag).replace(QLatin1Char('-'), QLatin1Char('_')).trimmed();
    const QString language = wanted.section(QLatin1Char('_'), 0, 0);
    QString match;
    for (const TLanguage& known : kLanguages) {
        const QString code = QString::fromLatin1(known.Code);
        if (code.compare(wanted, Qt::CaseInsensitive) == 0)
            return code;
        // Portuguese of any country reads the Brazilian translation rather than English.
        if (match.isEmpty() && code.section(QLatin1Char('_'), 0, 0).compare(language, Qt::CaseInsensitive) == 0)
            match = code;
    }
    return language.isEmpty() ? QString() : match;
}

QString ChooseLanguage(const QString& requested, const QString& chosen, const QStringList& systemLanguages)
{
    for (const QString& tag : QStringList { requested, chosen } + systemLanguages) {
        const QString code = LanguageCode(tag);
        if (!code.isEmpty())
            return code;
    }
    return QStringLiteral("en");
}

QString ChosenLanguage()
{
    return QSettings().value(kLanguageKey).toString();
}

void SetChosenLanguage(const QString& code)
{
    QSettings settings;
    if (code.isEmpty())
        settings.remove(kLanguageKey);
    else
        settings.setValue(kLanguageKey, code);
}

QString InstalledLanguage()
{
    return gInstalled;
}

QString LanguageName(const QString& code)
{
    for (const TLanguage& known : kLanguages) {
        if (code == QLatin1String(known.Code))
            return QString::fromUtf8(known.Name);
    }
    return code;
}

bool InstallTranslations(const QString& code)
{
    // Those of an earlier call go first, so that a later language never falls back on an earlier one.
    static std::unique_ptr<QTranslator> own;
    static std::unique_ptr<QTranslator> qt;
    for (auto* installed : { &own, &qt }) {
        if (*installed)
            QCoreApplication::removeTranslator(installed->get());
        installed->reset();
    }
    gInstalled = QStringLiteral("en");
    if (code == QLatin1String("en"))
        return true;
    own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/parlowen_%1.qm").arg(code))) {
        own.reset();
        return false;
    }
    QCoreApplication::installTranslator(own.get());
    gInstalled = code;
    qt = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_%1.qm").arg(code);
    for (const QString& folder :
        { QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) }) {
        if (qt->load(name, folder)) {
            QCoreApplication::installTranslator(qt.get());
            return true;
        }
    }
    qt.reset();
    return true;
}
