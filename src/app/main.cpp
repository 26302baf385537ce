// The entry point: the application object, the main window, the hidden signal strength window, the message loop.
// One optional argument names a settings file to open, as Load File would.
#include "app/Termination.h"
#include "ui/MainForm.h"
#include "ui/SignalStrengthForm.h"
#include "ui/ToolkitServices.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
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
    parser.process(application);

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
