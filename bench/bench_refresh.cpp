// Keep refreshing for an hour against the emulated controller, compressed: the signal window asks every
// millisecond and its clock moves two seconds a value, so the history ages as over a real hour. Prints the tool's
// resident memory as the queries go on, with the log's lines and the history's values; it asserts nothing.
//
// Usage: bench_refresh [queries]   (default 1800: an hour at one query every two seconds)
#include "EmulatedController.h"
#include "ui/MainForm.h"
#include "ui/SignalStrengthForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <cstdio>

namespace {

long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    const int total = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1800;

    EmulatedController controller;
    controller.AddDevice("HID\\VID_04D8&PID_F2C4&REV_000B");
    controller.signalValues = { 17 };
    TMainForm form(nullptr, &controller);
    TSignalStrengthForm signal;
    form.SetSignalStrengthForm(&signal);
    qint64 now = 0;
    signal.SetClock([&] { return now += 2000; });
    signal.SetRefreshInterval(1);
    form.show();
    form.SignalStrengthButtonClick();
    signal.KeepRefreshingCheckBox->setChecked(true);

    int queries = 0;
    int nextReport = 60;
    std::printf("queries  resident KiB  log lines  history values\n");
    while (queries < total && signal.KeepRefreshingCheckBox->isChecked()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // The emulator's own record of the reports is not the tool's memory.
        for (const TReport& report : controller.TakeOutputLog())
            queries += report[1] == 'A';
        if (queries >= nextReport || queries >= total) {
            std::printf("%7d  %12ld  %9d  %14zu\n", queries, ResidentKiB(), form.LogMemo->blockCount(),
                signal.History().size());
            std::fflush(stdout);
            nextReport = queries < 600 ? queries * 2 : queries + 600;
        }
    }
    if (queries < total)
        std::printf("refreshing stopped after %d queries\n", queries);
    return 0;
}
