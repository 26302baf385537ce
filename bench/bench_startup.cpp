// Start-up of the tool against a bare Qt window of the same size with one label and one button: each is started as
// a process of its own (this program run with --child), and the time from the process start until its window is
// shown and exposed is taken, with the child's peak memory. The tool is started in English and, as an operator of
// another language starts it, in German, with the tool's and Qt's translations to load. Prints the medians and
// their ratios; it asserts nothing.
//
// Usage: bench_startup [runs]   (default 15; the offscreen platform unless QT_QPA_PLATFORM says otherwise)
#include "ui/Languages.h"
#include "ui/MainForm.h"
#include "ui/SignalStrengthForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

// Builds the window as the tool or as the bare comparison, shows it, and reports once the platform exposed it.
int RunChild(int argc, char** argv, const QByteArray& kind)
{
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    std::unique_ptr<TSignalStrengthForm> signal;
    if (kind != "bare") {
        InstallTranslations(kind == "tool" ? QStringLiteral("en") : QStringLiteral("de"));
        window = std::make_unique<TMainForm>();
        signal = std::make_unique<TSignalStrengthForm>(); // created hidden at start-up, as the tool does
    } else {
        window = std::make_unique<QWidget>();
        window->resize(830, 573);
        new QLabel(QStringLiteral("Message:"), window.get());
        (new QPushButton(QStringLiteral("Exit"), window.get()))->move(648, 536);
    }
    window->show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window->windowHandle() || !window->windowHandle()->isExposed())
            return;
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("shown %ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    poll.start(0);
    return QApplication::exec();
}

struct Sample
{
    double milliseconds;
    double peakKiB;
};

Sample Measure(const QString& program, const QString& kind)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(program, { QStringLiteral("--child"), kind });
    // Timed to the report of the shown window; tearing the window down afterwards is not start-up.
    child.waitForReadyRead(60000);
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    child.waitForFinished(60000);
    const QByteArray line = child.readAllStandardOutput().trimmed();
    if (child.exitCode() != 0 || !line.startsWith("shown ")) {
        std::fprintf(stderr, "%s child failed: %s\n", qPrintable(kind), child.readAllStandardError().constData());
        std::exit(1);
    }
    return { elapsed, line.mid(6).toDouble() };
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return RunChild(argc, argv, argv[2]);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> toolTimes, germanTimes, bareTimes, toolMemory, germanMemory, bareMemory;
    Measure(self, QStringLiteral("bare")); // warms the file cache for all three
    Measure(self, QStringLiteral("tool"));
    Measure(self, QStringLiteral("tool-de"));
    for (int i = 0; i < runs; ++i) {
        const Sample tool = Measure(self, QStringLiteral("tool"));
        const Sample german = Measure(self, QStringLiteral("tool-de"));
        const Sample bare = Measure(self, QStringLiteral("bare"));
        toolTimes.push_back(tool.milliseconds);
        germanTimes.push_back(german.milliseconds);
        bareTimes.push_back(bare.milliseconds);
        toolMemory.push_back(tool.peakKiB);
        germanMemory.push_back(german.peakKiB);
        bareMemory.push_back(bare.peakKiB);
    }
    const double tool = Median(toolTimes), german = Median(germanTimes), bare = Median(bareTimes);
    const double toolPeak = Median(toolMemory), germanPeak = Median(germanMemory), barePeak = Median(bareMemory);
    std::printf("tool window: median %.1f ms to shown, peak memory %.1f MiB\n", tool, toolPeak / 1024);
    std::printf("tool window in German: median %.1f ms to shown, peak memory %.1f MiB\n", german, germanPeak / 1024);
    std::printf("bare window: median %.1f ms to shown, peak memory %.1f MiB\n", bare, barePeak / 1024);
    std::printf("start-up ratio: %.2f (German %.2f)\n", tool / bare, german / bare);
    std::printf("memory ratio: %.2f (German %.2f)\n", toolPeak / barePeak, germanPeak / barePeak);
    return 0;
}
