// Linux: SIGTERM is handed to the event loop through a socket pair, and the main window closes as its close box
// does (with the close question when there are unsaved changes).
#include "app/Termination.h"

#include "ui/MainForm.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int gTerminationPipe[2] = { -1, -1 };
} // namespace

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
