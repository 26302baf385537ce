// The command line against the link: `parlowen-cli write FILE --verify` (45 + 43 reports) as a whole process,
// start-up and exit included, against an emulated controller that answers every report 1 ms after it was sent.
// The link alone needs 88 ms; the ratio of the median run to that floor is the tool's own overhead. Each run is this
// program started again as a child that does what parlowen-cli's main does, on the emulated controller.
//
// Where the time goes: from the launch to the first report written; the transfer and the close of the link, from
// the first report to the return of the command; and from there to the parent seeing the process end.
//
// Usage: bench_link [runs]   (default 9; prints every run, the medians and `link ratio: X`)
#include "TimedPort.h"
#include "cli/CommandLine.h"
#include "config/ConfigBlock.h"
#include "files/SettingsFile.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kReports = 45 + 43;
constexpr double kAnswerMs = 1.0;

// Prints "FIRST-REPORT RETURNED" on standard output, in the shared clock's milliseconds.
int Child(const QString& file)
{
    TimedPort port(kAnswerMs);
    port.controller.AddDevice("HID\\VID_04D8&PID_F2C4&REV_000B");
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = RunCommandLine({ "write", file, "--verify", "--quiet" }, port, out, err, false);
    out << QString::number(port.firstWrite, 'f', 3) << ' ' << QString::number(Now(), 'f', 3) << Qt::endl;
    err.flush();
    return status;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return Child(QString::fromLocal8Bit(argv[2]));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    QTemporaryDir folder;
    TConfigBlock config {};
    SetDefaults(config);
    const QString file = folder.filePath("defaults.dat");
    if (!folder.isValid() || !SaveSettingsFile(file, config)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    std::vector<double> whole, startUp, transfer, exit;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const double launched = Now();
        child.start(QCoreApplication::applicationFilePath(), { "--child", file });
        const bool ended = child.waitForFinished(60000);
        const double finished = Now();
        const QList<QByteArray> times = child.readAllStandardOutput().trimmed().split(' ');
        if (!ended || child.exitCode() != 0 || times.size() != 2) {
            std::fprintf(stderr, "run %d failed (status %d)\n", run + 1, child.exitCode());
            return 1;
        }
        whole.push_back(finished - launched);
        startUp.push_back(times[0].toDouble() - launched);
        transfer.push_back(times[1].toDouble() - times[0].toDouble());
        exit.push_back(finished - times[1].toDouble());
        std::printf("run %d: %.1f ms (start-up %.1f, transfer and close %.1f, exit %.1f)\n", run + 1, whole.back(),
            startUp.back(), transfer.back(), exit.back());
    }
    const double floor = kReports * kAnswerMs;
    std::printf("floor: %.0f ms (%d reports, each answered after %.0f ms)\n", floor, kReports, kAnswerMs);
    std::printf(
        "medians: whole %.1f ms, start-up to the first report %.1f ms, transfer and close %.1f ms (%.3f ms per report "
        "over the answer time), exit %.1f ms\n",
        Median(whole), Median(startUp), Median(transfer), (Median(transfer) - floor) / kReports, Median(exit));
    std::printf("link ratio: %.2f\n", Median(whole) / floor);
    return 0;
}
