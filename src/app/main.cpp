// The entry point: the application object, the main window, the hidden signal strength window, the message loop.
// One optional argument names a settings file to open, as Load File would.
#include "app/Termination.h"
#include "ui/Languages.h"
#include "ui/MainForm.h"
#include "ui/SignalStrengthForm.h"
#include "ui/ToolkitServices.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    WatchTermination(&application);
    QApplication::setOrganizationName(QStringLiteral("QUILMOX"));
    QApplication::setApplicationName(QStringLiteral("parlowen"));
    QApplication::setApplicationVersion(QStringLiteral(PARLOWEN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quilmox.parlowen"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("com.quilmox.parlowen"), QIcon(QStringLiteral(":/parlowen.png"))));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configuration tool of the QUILMOX Parlowen GSM controller."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"), QStringLiteral("A settings file (*.dat) to open."), QStringLiteral("[file]"));
    QStringList codes;
    for (const TLanguage& known : kLanguages)
        codes << QString::fromLatin1(known.Code);
    const QString choices
        = codes.mid(0, codes.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + codes.last();
    const QCommandLineOption language(QStringLiteral("language"),
        QStringLiteral("The language of the window for this run: %1.").arg(choices), QStringLiteral("code"));
    parser.addOption(language);
    parser.process(application);
    const QString requested = parser.value(language);
    if (parser.isSet(language) && LanguageCode(requested).isEmpty()) {
        std::fprintf(
            stderr, "parlowen: unknown language \"%s\": %s\n", qUtf8Printable(requested), qUtf8Printable(choices));
        return 1;
    }
    InstallTranslations(ChooseLanguage(requested, ChosenLanguage(), QLocale::system().uiLanguages()));

    const int status = RunShowingEscapedErrors([&] {
        MainForm = new TMainForm;
        // Closing the main window ends the application, even while the signal strength window is visible.
        MainForm->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(MainForm, &QObject::destroyed, &application, &QCoreApplication::quit);
        auto signalStrengthForm = std::make_unique<TSignalStrengthForm>();
        SignalStrengthForm = signalStrengthForm.get();
        MainForm->SetSignalStrengthForm(SignalStrengthForm);
        MainForm->show();
        if (!parser.positionalArguments().isEmpty())
            MainForm->LoadFile(QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath());
        return application.exec();
    });
    MainForm = nullptr;
    SignalStrengthForm = nullptr;
    return status;
}
