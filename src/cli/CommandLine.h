// The command-line tool's entry: `parlowen-cli COMMAND [options]`, parsed and run against a HID port.
#pragma once

#include <QStringList>
#include <QTextStream>

class HidPort;

// `arguments` come without the program's name. Results go to `out`, messages to `err`; with progressToTerminal
// (standard error is a terminal) a transfer shows its report count on `err`. Returns the exit status.
int RunCommandLine(
    const QStringList& arguments, HidPort& port, QTextStream& out, QTextStream& err, bool progressToTerminal);
