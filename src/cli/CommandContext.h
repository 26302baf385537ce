// What every command of the command-line tool works with: the streams, the HID port and the common options, and
// the exit statuses that scripts rely on.
#pragma once

#include <QByteArray>
#include <QTextStream>

class HidPort;

namespace ExitStatus {
constexpr int Success = 0;
constexpr int Different = 1; // compared and found different
constexpr int Usage = 2; // a usage error, or a file that cannot be used
constexpr int NoController = 3; // none found, or one in program mode
constexpr int DeviceFailed = 4; // not a Parlowen, stopped answering or unplugged
} // namespace ExitStatus

struct CommandContext
{
    QTextStream& out; // results
    QTextStream& err; // messages, progress
    HidPort& port;
    bool quiet = false; // nothing on `err` but errors
    bool progress = false; // report counts on `err` while a transfer runs
    int timeoutMs = 2000; // the longest wait for each answer
    QByteArray devicePath; // empty: the first controller found

    // A message that is not an error; --quiet drops it.
    void Inform(const QString& line) const
    {
        if (!quiet)
            err << line << Qt::endl;
    }
    void Fail(const QString& line) const { err << line << Qt::endl; }
};
