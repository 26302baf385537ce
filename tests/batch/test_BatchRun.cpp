// The batch against the emulated controller through the link's own thread: controllers of their own serial
// numbers plugged in when the run asks for one and unplugged when it says so, and what each received, the
// backups and the record read back.
#include "EmulatedController.h"
#include "ExpectedWrite.h"
#include "TestSupport.h"
#include "batch/BatchRun.h"
#include "batch/CsvReader.h"
#include "files/SettingsFile.h"
#include "protocol/Transfer.h"

#include <QtTest>
#include <deque>

namespace {

constexpr int kWriteStart = 44; // identify and the backup's read come first

struct Unit
{
    qint32 serial;
    int row = -1; // the row whose block it is to receive, from 0
    int unplugAfter = -1, silentAfter = -1; // reports
    QByteArray hardwareId = kNormal;
    bool alongside = false; // plugged in together with the next one
};

// The operator: plugs in the next controller when asked, unplugs when told to; keeps what each one received.
class Site : public QObject
{
public:
    EmulatedController port;
    std::deque<Unit> waiting;
    std::map<qint32, TConfigBlock> held; // what each serial number holds before the batch
    QList<std::pair<QByteArray, Unit>> present;
    std::vector<std::pair<Unit, std::vector<TReport>>> received;

    void Follow(const QString& text)
    {
        if (text.startsWith(QLatin1String("Plug in"))) {
            while (!waiting.empty() && present.isEmpty()) {
                for (bool more = true; more && !waiting.empty(); waiting.pop_front()) {
                    const Unit& unit = waiting.front();
                    ControllerModel model;
                    model.identity.serialNumber = unit.serial;
                    model.Hold(held[unit.serial]);
                    unit.unplugAfter >= 0 ? model.UnplugAfter(unit.unplugAfter) : model.SilenceAfter(unit.silentAfter);
                    present.push_back({ port.PlugIn(model, unit.hardwareId), unit });
                    more = unit.alongside;
                }
            }
        } else if (text.contains(QLatin1String("unplug all but one"))) {
            port.Unplug(present.takeLast().first);
        } else if (text.contains(QLatin1String("unplug")) && !present.isEmpty()) {
            received.push_back({ present.front().second, port.TakeOutputLog() });
            for (const auto& [path, unit] : std::exchange(present, {}))
                port.Unplug(path);
        }
    }
};

} // namespace

class TestBatchRun : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    TConfigBlock templ {};
    std::unique_ptr<Site> site;
    std::unique_ptr<TBatchRun> run;
    std::optional<BatchOutcome> outcome;

    BatchPlan Plan(const QByteArray& csv)
    {
        return { templ, "template.dat", ParseUnitsTable(csv, templ), {}, dir.filePath("record.csv"),
            dir.filePath("backups") };
    }

    // Runs the batch until it ends; false when it could not start.
    bool Run(
        const BatchPlan& plan, std::function<void(int)> atReport = [](int) {},
        std::function<void(const QString&)> atInstruction = [](const QString&) {})
    {
        run = std::make_unique<TBatchRun>(site->port, LinkThreading::Own);
        run->SetPollInterval(5);
        run->SetAnswerTimeout(300);
        QString error;
        if (!run->Prepare(plan, &error))
            return false;
        outcome.reset();
        connect(run.get(), &TBatchRun::instruction, site.get(), [this](const QString& text) { site->Follow(text); });
        connect(run.get(), &TBatchRun::finished, this, [this](BatchOutcome ended) { outcome = ended; });
        connect(run.get(), &TBatchRun::progress, this, [atReport](int done, int) { atReport(done); });
        connect(run.get(), &TBatchRun::instruction, this, atInstruction);
        // A real event loop: QTest::qWaitFor sleeps 10 ms between its looks, which would pace every report.
        QSignalSpy ended(run.get(), &TBatchRun::finished);
        run->Start();
        return ended.wait(20000);
    }

    // The record's result column, a line each after the header.
    QStringList Results()
    {
        QStringList results;
        const std::vector<CsvRecord> lines = ReadCsv(ReadFile(dir.filePath("record.csv"))).records;
        for (std::size_t line = 1; line < lines.size(); ++line)
            results << lines[line].fields.value(4);
        return results;
    }

private slots:
    void initTestCase() { SetDefaults(templ); }
    void init()
    {
        run.reset(); // before the port it talks to
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
        site = std::make_unique<Site>();
        QRandomGenerator random(23);
        for (qint32 serial : { 100, 200, 300, 999 })
            site->held[serial] = RandomToolBlock(random);
    }

    // Each row's batch ends with every row verified.
    void units_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<std::vector<Unit>>("units");
        QTest::addColumn<QStringList>("results");
        const auto row = [](const char* tag, const QByteArray& csv, const std::vector<Unit>& units,
                             const QStringList& results) { QTest::newRow(tag) << csv << units << results; };
        const QByteArray gate = "device_name\nGate\n";
        row("three in turn", "device_name;phone_number\nPump 1;+111\nPump 2;+222\nPump 3;\n",
            { { 100, 0 }, { 200, 1 }, { 300, 2 } }, { "verified", "verified", "verified" });
        row("unplugged at report 17 of the write", gate, { { 100, 0, kWriteStart + 17 }, { 100, 0 } },
            { "not completed: the controller was unplugged during the write (report 61 of 132)", "verified" });
        row("silent during the backup", gate, { { 100, 0, -1, 10 }, { 100, 0 } },
            { "not completed: the controller stopped answering during the backup (report 10 of 132)", "verified" });
        row("program mode and a stranger left alone", "serial,device_name\n300,Gate\n200,Pump\n",
            { { 100, -1, -1, -1, kProgramMode }, { 999 }, { 200, 1 }, { 300, 0 } },
            { "skipped: serial number in no row", "verified", "verified" });
        row("two at once, then one", gate, { { 100, 0, -1, -1, kNormal, true }, { 200 } }, { "verified" });
        row("the same one again", "device_name\nGate\nPump\n", { { 100, 0 }, { 100 }, { 200, 1 } },
            { "verified", "skipped: done already in this run", "verified" });
    }
    void units()
    {
        QFETCH(QByteArray, csv);
        QFETCH(std::vector<Unit>, units);
        site->waiting.assign(units.begin(), units.end());
        const BatchPlan plan = Plan(csv);
        QVERIFY(!plan.table.HasErrors());
        QVERIFY(Run(plan));
        QCOMPARE(*outcome, BatchOutcome::Verified);
        QTEST(Results(), "results");
        // Each unit written received its row's block exactly, and its backup is what it held before.
        QCOMPARE(int(site->received.size()), int(units.size()) - (units.front().alongside ? 1 : 0));
        // A controller left alone received nothing but the identity query, and one in program mode not even that.
        for (const auto& [unit, log] : site->received) {
            if (unit.row < 0)
                QVERIFY(log.size() <= (unit.hardwareId == kNormal ? 1u : 0u));
            else if (unit.unplugAfter < 0 && unit.silentAfter < 0)
                QCOMPARE(Wire(log, kWriteStart, 45), ExpectedWrite(plan.table.rows[std::size_t(unit.row)].block));
        }
        for (const QFileInfo& backup : QDir(plan.backupsFolder).entryInfoList(QDir::Files)) {
            TConfigBlock saved {};
            QCOMPARE(LoadSettingsFile(backup.filePath(), saved), LoadOutcome::Loaded);
            const qint32 serial = backup.fileName().section('-', 0, 0).toInt();
            QVERIFY2(CompareTransferred(site->held[serial], saved).empty(), qPrintable(backup.fileName()));
        }
    }

    // Stops during the first of two units, at a report of it or once it is done; then the same batch again.
    void stops_data()
    {
        QTest::addColumn<int>("atReport"); // -1: when the second unit is asked for
        QTest::addColumn<int>("stops");
        QTest::addColumn<QString>("result"); // of the first unit
        QTest::addColumn<int>("received"); // reports the first controller received
        QTest::newRow("between units") << -1 << 1 << "verified" << 132;
        QTest::newRow("once in the write") << 50 << 1 << "not completed: stopped before the read-back" << 89;
        QTest::newRow("twice in the write")
            << 50 << 2 << "not completed: abandoned by the operator during the write (report 50 of 132)" << 51;
        QTest::newRow("once in the read-back") << 100 << 1 << "verified" << 132;
    }
    void stops()
    {
        QFETCH(int, atReport);
        QFETCH(int, stops);
        QFETCH(QString, result);
        site->waiting = { { 100, 0 } };
        const BatchPlan plan = Plan("device_name\nGate\nPump\n");
        const auto stop = [&](bool now) {
            for (int n = 0; now && n < stops; ++n)
                run->Stop();
        };
        const auto atReportStop = [&](int report) { stop(report == atReport); };
        QVERIFY(Run(plan, atReportStop, [&](const QString& text) { stop(atReport < 0 && text.contains("row 2")); }));
        QCOMPARE(*outcome, BatchOutcome::Stopped);
        QCOMPARE(Results(), QStringList { result });
        const int firstReceived = int(site->port.OutputLog().size())
            + (site->received.empty() ? 0 : int(site->received.front().second.size()));
        QTEST(firstReceived, "received");

        // The same batch again goes on where it stopped: a row verified is not written again, to anyone.
        const bool verified = result == "verified";
        run.reset();
        site = std::make_unique<Site>();
        site->waiting = { { 100, verified ? -1 : 0 }, { 200, 1 } };
        QVERIFY(Run(plan));
        QCOMPARE(*outcome, BatchOutcome::Verified);
        const QString again = verified ? "skipped: done already in this run" : "verified";
        QCOMPARE(Results().mid(1), (QStringList { again, "verified" }));
    }
};

QTEST_GUILESS_MAIN(TestBatchRun)
#include "test_BatchRun.moc"
