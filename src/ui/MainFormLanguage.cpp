// The window's own menu: the language it speaks. The choice is kept in the tool's settings and taken at the next
// start; --language on the command line overrides it for one run.
#include "ui/Languages.h"
#include "ui/MainForm.h"
#include "ui/ToolkitServices.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>

QMenu* TMainForm::LanguageMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("MainFormMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Whoever cannot read the language on show still finds the English word.
    const QString title = tr("Language");
    QMenu* languages
        = menu->addMenu(title == QLatin1String("Language") ? title : QStringLiteral("%1 (Language)").arg(title));
    languages->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(languages);
    const QString chosen = ChosenLanguage();
    const auto add = [&](const QString& text, const QString& code) {
        QAction* action = languages->addAction(text);
        action->setData(code);
        action->setCheckable(true);
        action->setChecked(LanguageCode(chosen) == code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] {
            SetChosenLanguage(code);
            const QString next = ChooseLanguage(QString(), code, QLocale::system().uiLanguages());
            if (next != InstalledLanguage()) {
                MessageDlg(tr("QUILMOX Parlowen speaks %1 from its next start.").arg(LanguageName(next)),
                    TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, 0);
            }
        });
    };
    add(tr("System language (%1)")
            .arg(LanguageName(ChooseLanguage(QString(), QString(), QLocale::system().uiLanguages()))),
        QString());
    languages->addSeparator();
    for (const TLanguage& language : kLanguages)
        add(QString::fromUtf8(language.Name), QString::fromLatin1(language.Code));
    return menu;
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event)
{
    LanguageMenu()->popup(event->globalPos());
}
