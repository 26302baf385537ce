// The command-line tool's executable: a QCoreApplication, the real HID port, and the command line run against it.
#include "cli/CommandLine.h"
#include "device/HidapiPort.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    HidapiPort port;
    const int status = RunCommandLine(application.arguments().mid(1), port, out, err, isatty(fileno(stderr)) != 0);
    out.flush();
    err.flush();
    return status;
}
