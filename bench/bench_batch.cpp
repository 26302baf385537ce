// A site's batch as `parlowen-cli batch` runs it (the link's I/O on the caller's thread, the controllers listed every
// 300 ms), against controllers that answer each report 1 ms after it was sent. The operator is instant: each unit is
// plugged in the moment the batch asks for it and unplugged the moment it says so. Measured per unit: from its
// appearance to "Row N verified: unplug it". The floor is the unit's reports (identify, the backup's read, the write
// and the read back) at 1 ms each plus the enumeration interval, which is how long a controller plugged in as the
// batch asks waits to be seen: the batch asks right after a listing found nothing. The first unit is seen at once
// (the batch lists the controllers as it starts), so the median is the figure.
//
// Where the time goes, per unit, from the batch's own steps: plugged in to "Identifying" (seen and opened), then
// identify, backup (the read and the backup file), write, and read back (with the record line put on the disk); and
// of each step the time after its last answer came.
//
// Usage: bench_batch [units]   (default 9; prints every unit, the medians and `batch unit ratio: X`)
#include "TimedPort.h"
#include "batch/BatchRun.h"
#include "config/ConfigBlock.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr double kAnswerMs = 1.0;
constexpr int kPollMs = 300; // the batch's own default, set here so that the floor is known

// The batch's steps as its instructions start, in order; the last is the unit's end.
const std::array<const char*, 5> kSteps
    = { "Identifying the controller", "Backing up controller", "Writing row", "Verifying row", " verified: unplug it" };
const std::array<const char*, 5> kStepNames = { "seen and opened", "identify", "backup", "write", "read back" };

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Plugs in the next unit when asked, unplugs it when told; notes when each step of each unit began.
class Operator : public QObject
{
public:
    Operator(TimedPort& port, int units)
        : port(port)
        , units(units)
    {
    }

    void Follow(const QString& text)
    {
        if (text.startsWith(QLatin1String("Plug in")) && present.isEmpty() && int(times.size()) < units) {
            ControllerModel model;
            model.identity.serialNumber = 1001 + int(times.size());
            times.push_back({ Now() });
            answered.emplace_back();
            present = port.controller.PlugIn(model, "HID\\VID_04D8&PID_F2C4&REV_000B");
            return;
        }
        if (present.isEmpty())
            return;
        std::vector<double>& unit = times.back();
        if (unit.size() <= kSteps.size() && text.contains(QLatin1String(kSteps[unit.size() - 1]))) {
            unit.push_back(Now());
            // A step's instruction comes before its first report: the last one written is the step before's.
            answered.back().push_back(port.lastWrite + port.answerMs);
        }
        if (text.endsWith(QLatin1String("unplug it"))) {
            port.controller.Unplug(present);
            present.clear();
        }
    }

    TimedPort& port;
    const int units;
    QByteArray present;
    std::vector<std::vector<double>> times; // per unit: plugged in, then the start of each step
    std::vector<std::vector<double>> answered; // per unit, at the start of each step: when the last answer came
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int units = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    QTemporaryDir folder;
    BatchPlan plan;
    SetDefaults(plan.templ);
    plan.templateName = QStringLiteral("template.dat");
    QByteArray csv = "device_name\r\n";
    for (int unit = 1; unit <= units; ++unit)
        csv += "Unit " + QByteArray::number(unit) + "\r\n";
    plan.table = ParseUnitsTable(csv, plan.templ);
    plan.recordPath = folder.filePath(QStringLiteral("record.csv"));
    plan.backupsFolder = folder.filePath(QStringLiteral("backups"));

    TimedPort port(kAnswerMs);
    Operator site(port, units);
    TBatchRun run(port, LinkThreading::Caller);
    run.SetPollInterval(kPollMs);
    QString error;
    if (!folder.isValid() || !run.Prepare(plan, &error)) {
        std::fprintf(stderr, "the batch cannot start: %s\n", qPrintable(error));
        return 1;
    }
    BatchOutcome outcome = BatchOutcome::Stopped;
    QObject::connect(&run, &TBatchRun::instruction, &site, [&site](const QString& text) { site.Follow(text); });
    QObject::connect(&run, &TBatchRun::message, &app, [](const QString& text) {
        if (text.startsWith(QLatin1String("Row")) && !text.endsWith(QLatin1String("verified: unplug it")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QObject::connect(&run, &TBatchRun::finished, &app, [&](BatchOutcome ended) {
        outcome = ended;
        app.quit();
    });
    // A batch that stalls ends the benchmark rather than hanging it.
    QTimer::singleShot(units * 10000, &app, [&] {
        std::fprintf(stderr, "the batch did not end within %d s\n", units * 10);
        run.Stop();
        run.Stop();
        app.quit();
    });
    run.Start();
    app.exec();
    const bool whole = std::all_of(site.times.begin(), site.times.end(),
        [](const std::vector<double>& t) { return t.size() == kSteps.size() + 1; });
    if (outcome != BatchOutcome::Verified || int(site.times.size()) != units || !whole) {
        std::fprintf(stderr, "the batch did not verify its %d units\n", units);
        return 1;
    }

    std::vector<double> total;
    std::vector<std::vector<double>> steps(kSteps.size()), tails(kSteps.size());
    for (std::size_t unit = 0; unit < site.times.size(); ++unit) {
        const std::vector<double>& t = site.times[unit];
        total.push_back(t.back() - t.front());
        std::printf("unit %zu: %.1f ms (", unit + 1, total.back());
        for (std::size_t step = 0; step < kSteps.size(); ++step) {
            steps[step].push_back(t[step + 1] - t[step]);
            tails[step].push_back(t[step + 1] - site.answered[unit][step]);
            std::printf("%s%s %.1f", step ? ", " : "", kStepNames[step], steps[step].back());
        }
        std::printf(")\n");
    }
    const int reports = TBatchRun::ReportsPerUnit();
    const double floor = reports * kAnswerMs + kPollMs;
    std::printf("floor: %.0f ms (%d reports, each answered after %.0f ms, and the %d ms enumeration interval)\n", floor,
        reports, kAnswerMs, kPollMs);
    std::printf("medians: unit %.1f ms", Median(total));
    for (std::size_t step = 0; step < kSteps.size(); ++step)
        std::printf(", %s %.1f", kStepNames[step], Median(steps[step]));
    std::printf(" (the reports' own share: identify 1, backup 43, write 45, read back 43 ms)\n");
    std::printf("after each step's last answer (medians): identify %.1f, backup %.1f (the backup file saved), write "
                "%.1f, read back %.1f ms (the comparison, the link closed and the record line put on the disk)\n",
        Median(tails[1]), Median(tails[2]), Median(tails[3]), Median(tails[4]));
    std::printf("batch unit ratio: %.2f\n", Median(total) / floor);
    return 0;
}
