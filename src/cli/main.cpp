// The command-line tool's executable: a QCoreApplication, the real HID port, and the command line run against it.
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "device/HidapiPort.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const TConsole console;
    QTextStream out(stdout);
    QTextStream err(stderr);
    HidapiPort port;
    const int status = RunCommandLine(application.arguments().mid(1), port, out, err, console.ErrorIsTerminal());
    out.flush();
    err.flush();
    return status;
}
