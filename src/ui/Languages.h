// The languages the window speaks. English is the source language and needs no translation; the others come with
// the executable (its own texts, built into it) and with Qt (its dialogs' and boxes' own buttons, qtbase_*.qm).
// The command line never installs one: its output is read by scripts.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

struct TLanguage
{
    const char* Code; // as in the translation's file name: "de", "pt_BR"
    const char* Name; // in the language itself, as the operator looks for it
};

extern const std::array<TLanguage, 7> kLanguages; // English first

// The known code a language tag stands for, matched as QLocale writes tags ("de-AT" -> "de", "pt-PT" -> "pt_BR",
// "pt_BR" -> "pt_BR"), or an empty string.
QString LanguageCode(const QString& tag);

// The language to show: the one asked for on the command line, else the one chosen in the window, else the first
// of the system's languages that has a translation, else English.
QString ChooseLanguage(const QString& requested, const QString& chosen, const QStringList& systemLanguages);

// The choice kept in the tool's settings; empty for the system's language.
QString ChosenLanguage();
void SetChosenLanguage(const QString& code);

// Installs the translations of `code` in place of any installed before; English installs none. Qt's own are looked
// for beside the executable first (translations/), then where Qt keeps them. Returns false when the tool's own
// translation is missing.
bool InstallTranslations(const QString& code);
// The language installed last, "en" before any.
QString InstalledLanguage();
// The name of a known code in its own language.
QString LanguageName(const QString& code);
