// The entry point: the application object, the main window, the hidden signal strength window, the message loop.
#include "ui/MainForm.h"
#include "ui/SignalStrengthForm.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    try {
        MainForm = new TMainForm;
        // Closing the main window ends the application, even while the signal strength window is visible.
        MainForm->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(MainForm, &QObject::destroyed, &application, &QCoreApplication::quit);
        auto signalStrengthForm = std::make_unique<TSignalStrengthForm>();
        SignalStrengthForm = signalStrengthForm.get();
        MainForm->SetSignalStrengthForm(SignalStrengthForm);
        MainForm->show();
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
