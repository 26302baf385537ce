// The entry point: the application object, the main window, the hidden signal strength window, the message loop.
// One optional argument names a settings file to open, as Load File would.
#include "ui/MainForm.h"
#include "ui/SignalStrengthForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <exception>
#include <memory>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gTerminationPipe[2] = { -1, -1 };

// A termination request (logout, kill) is handed to the event loop, which closes the main window as its close box
// does. Installed first, so that a request during start-up waits for the window rather than killing the process.
void WatchTermination(QObject* context)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gTerminationPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(gTerminationPipe[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [] {
        char byte = 0;
        if (::read(gTerminationPipe[1], &byte, 1) == 1 && MainForm)
            MainForm->close();
    });
    struct sigaction action {};
    action.sa_handler = [](int) {
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(gTerminationPipe[0], &byte, 1);
    };
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
}

} // namespace
#endif

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
#ifdef Q_OS_UNIX
    WatchTermination(&application);
#endif
    QApplication::setOrganizationName(QStringLiteral("QUILMOX"));
    QApplication::setApplicationName(QStringLiteral("parlowen"));
    QApplication::setApplicationVersion(QStringLiteral("1.01"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quilmox.parlowen"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("com.quilmox.parlowen"), QIcon(QStringLiteral(":/parlowen.png"))));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configuration tool of the QUILMOX Parlowen GSM controller."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A settings file (*.dat) to open."),
        QStringLiteral("[file]"));
    parser.process(application);

    try {
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
        application.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        // Something that is not a standard exception carries no message of its own.
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString());
    }
    MainForm = nullptr;
    SignalStrengthForm = nullptr;
    return 0;
}
