// The command-line tool run in the test's process: the device commands against the emulated controller, through
// the real link and reader thread, and the file commands in a temporary folder.
#include "EmulatedController.h"
#include "PlatformFiles.h"
#include "TestSupport.h"
#include "batch/BatchRecord.h"
#include "cli/CommandLine.h"
#include "device/OpenFailure.h"
#include "files/SettingsFile.h"
#include "protocol/Transfer.h"

#include <QtTest>
#include <csignal>

namespace {

const QByteArray kOwnFile = "the operator's own file";

struct Case
{
    QStringList arguments;
    int status;
    QString out, err;
    QByteArray commands; // of the reports that reached the controller
    std::pair<int, QByteArray> held = {}; // the controller holds the defaults with these bytes at this offset
    int silenceAfter = -1; // -1: answers every report
    int unplugAfter = -1; // -1: stays
    QByteArray hardwareId = kNormal; // empty: no device
    uint8_t identity = 11; // byte 4 of the identity reply: 11 for a Parlowen
    EmulatedController::OpenFailure failure = EmulatedController::OpenFailure::None;
};

} // namespace

Q_DECLARE_METATYPE(Case)

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<EmulatedController> emulator;

    QString out, err;

    // Runs quietly in the test's folder, which holds defaults.dat; what it printed lands in `out` and `err`.
    int Run(const QStringList& arguments)
    {
        out = err = QString();
        QTextStream outStream(&out), errStream(&err);
        return RunCommandLine(arguments + QStringList { "--quiet" }, *emulator, outStream, errStream, false);
    }

private slots:
    void init()
    {
        emulator = std::make_unique<EmulatedController>();
        emulator->signalValues = { 17 };
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(SaveSettingsFile("defaults.dat", Block(DefaultImage())));
        QVERIFY(WriteFile("kept.dat", kOwnFile));
        // The defaults and what no transfer carries: bit 16 of output 16's pulse period, and a byte of the padding.
        QVERIFY(SaveSettingsFile("extras.dat", Block(DefaultImage().replace(1742, 1, "\1").replace(1846, 1, "\7"))));
    }

    // Every operation ends within the time-out and says why; none sends more than its own reports, and a write sends
    // the window's. An unplug right after the last answer does not spoil a finished operation, and ends a watch.
    void deviceCommands_data()
    {
        QTest::addColumn<Case>("row");
        const QStringList write { "write", "defaults.dat" };
        const QStringList writeVerify { "write", "defaults.dat", "--verify" };
        const QStringList verify { "verify", "extras.dat" };
        const QStringList read { "read", "-o", "new.dat" };
        const QString silent = "the controller stopped answering after report %1 of %2\n";
        const QString gone = "the controller was unplugged after report %1 of %2\n";
        const QString diff = "%1: %2 in the file, %3 in the controller\n";
        const QString none = "Cannot find QUILMOX\n";
        const QByteArray W = kWriteCommands, R = kReadCommands;
        const auto row = [](const char* tag, const Case& row) { QTest::newRow(tag) << row; };
        row("silent from the first", { write, 4, "", silent.arg(1).arg(45), W.left(1), {}, 0 });
        row("silent in the middle", { write, 4, "", silent.arg(17).arg(45), W.left(17), {}, 16 });
        row("silent at the last", { write, 4, "", silent.arg(45).arg(45), W, {}, 44 });
        row("unplugged after the first", { write, 4, "", gone.arg(1).arg(45), W.left(1), {}, -1, 1 });
        row("unplugged in the middle", { write, 4, "", gone.arg(17).arg(45), W.left(17), {}, -1, 17 });
        row("unplugged before the last", { write, 4, "", gone.arg(44).arg(45), W.left(44), {}, -1, 44 });
        row("unplugged in the verify's read", { writeVerify, 4, "", gone.arg(10).arg(43), W + R.left(10), {}, -1, 55 });
        row("read, silent", { read, 4, "", silent.arg(31).arg(43), R.left(31), {}, 30 });
        row("signal, silent", { { "signal" }, 4, "", silent.arg(2).arg(2), "SA", {}, 1 });
        row("not a Parlowen",
            { { "info" }, 4, "", "Application is not a QUILMOX Parlowen\n", "S", {}, -1, -1, kNormal, 12 });
        row("program mode", { write, 3, "", "QUILMOX is in Program Mode\n", "", {}, -1, -1, kProgramMode });
        row("no controller", { write, 3, "", none, "", {}, -1, -1, "" });
        row("a controller that will not open",
            { write, 3, "", none + OpenFailureCause("emulated/hidraw0") + "\n", "", {}, -1, -1, kNormal, 11,
                EmulatedController::OpenFailure::Read });
        row("another device path", { write + QStringList { "--device", "emulated/hidraw7" }, 3, "", none, "" });
        row("read over a file",
            { { "read", "-o", "kept.dat" }, 2, "", "kept.dat: the file exists; --force replaces it\n", "" });
        row("info", { { "info" }, 0, "version: V\nserial number: 7\n", "", "S", {}, -1, 1 });
        row("signal", { { "signal" }, 0, "17\n", "", "SA", {}, -1, 2 });
        row("signal watched", { { "signal", "--watch" }, 4, "17\n", gone.arg(2).arg(2), "SA", {}, -1, 2 });
        row("read", { read, 0, "", "", R, {}, -1, 43 });
        row("write and verify", { writeVerify, 0, "", "", W + R });
        row("read over a file, forced", { { "read", "-o", "kept.dat", "--force" }, 0, "", "", R });
        row("input 9 differs", { verify, 1, diff.arg("input9.message_on_active", "off", "on"), "", R, { 56, "\1" } });
        row("period 16 differs",
            { verify, 1, diff.arg("output16.pulse_period", "1000", "744"), "", R, { 1740, Hex("E802") } });
        row("pulse word 16 differs",
            { verify, 1, diff.arg("output16.pulse.word", "\"IPPls16\"", "\"HPPls16\""), "", R, { 1664, "H" } });
    }
    void deviceCommands()
    {
        QFETCH(Case, row);
        if (!row.hardwareId.isEmpty())
            emulator->AddDevice(row.hardwareId, row.failure);
        emulator->identity = { { 0, 1, row.identity }, 7, "V" };
        row.unplugAfter >= 0 ? emulator->UnplugAfter(row.unplugAfter) : emulator->SilenceAfter(row.silenceAfter);
        if (!row.held.second.isEmpty())
            emulator->Hold(Block(DefaultImage().replace(row.held.first, row.held.second.size(), row.held.second)));
        // A silent controller is given up after one second; nothing else may wait for a time-out, loaded machine or
        // not.
        const QDeadlineTimer soon(10000);
        QCOMPARE(Run(row.arguments + QStringList { "--timeout", row.silenceAfter < 0 ? "60" : "1" }), row.status);
        QVERIFY(!soon.hasExpired());
        QCOMPARE(err, row.err);
        QCOMPARE(out, row.out);
        const auto log = emulator->OutputLog();
        QCOMPARE(Commands(log), row.commands);
        for (std::size_t i = 0; row.arguments[0] == "write" && i < log.size() && i < 45; ++i)
            QCOMPARE(Bytes(log[i]).toHex(' ').toUpper(), GoldenWrite().at(int(i)).trimmed());
        QCOMPARE(QFile::exists("new.dat"), row.arguments.contains("new.dat") && row.status == 0);
        QCOMPARE(ReadFile("kept.dat").size(), row.arguments.contains("--force") ? kSettingsFileSize : kOwnFile.size());
        QFile::remove("new.dat");
    }

    void failedSaveKeepsTheOldFile()
    {
        // A full disk, or the file held by another program: the save fails, the file stays whole.
        emulator->AddDevice(kNormal);
        auto blocked = BlockSaves(QFileInfo("kept.dat").absoluteFilePath());
        const int status = Run({ "read", "-o", "kept.dat", "--force" });
        blocked.reset();
        QCOMPARE(status, 2);
        QVERIFY2(err.startsWith("kept.dat: Error Saving File. ("), qPrintable(err));
        QCOMPARE(ReadFile("kept.dat"), kOwnFile);
        QCOMPARE(QDir().entryList({ "kept.dat*" }, QDir::Files), QStringList { "kept.dat" }); // no temporary file left
    }

    void showJsonThenImportGivesTheFileBack()
    {
        QRandomGenerator random(20240610);
        for (int round = 0; round < 200; ++round) {
            QVERIFY(SaveSettingsFile("original.dat", RandomToolBlock(random, true)));
            QCOMPARE(Run({ "show", "--json", "original.dat" }), 0);
            QVERIFY(WriteFile("shown.json", out.toUtf8()));
            QCOMPARE(Run({ "import", "shown.json", "-o", "imported.dat", "--force" }), 0);
            QCOMPARE(ReadFile("imported.dat"), ReadFile("original.dat"));
        }
    }

    // A document is written to document.json and imported as B.dat, which differs from the defaults only in what
    // the document names; then the row's command runs. Every command that writes a settings file replaces one only
    // with --force, as read does.
    void fileCommands_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed"); // the output; for status 2 the one error line, or the key it names
        const QStringList import { "import", "document.json", "-o", "kept.dat", "--force" };
        const QStringList diff { "diff", "defaults.dat", "B.dat" };
        const auto doc = [](QByteArray key, QByteArray value) { return "{\"" + key + "\": " + value + "}"; };
        const auto text = [](int length) { return '"' + QByteArray(length, 'm') + '"'; };
        QTest::newRow("a flag as a number") << doc("input1.invert", "1") << import << 2 << "input1.invert";
        QTest::newRow("beyond 32 bits") << doc("inhibit_input", "2147483648") << import << 2 << "inhibit_input";
        QTest::newRow("lowest 32-bit integer") << doc("output16.pulse_period", "-2147483648") << import << 0 << "";
        QTest::newRow("unknown key") << doc("output17.on.word", "\"x\"") << import << 2 << "output17.on.word";
        QTest::newRow("message of 509 bytes") << doc("message", text(509)) << import << 0 << "";
        QTest::newRow("message of 510 bytes") << doc("message", text(510)) << import << 2 << "message";
        QTest::newRow("word of 17 bytes") << doc("output1.off.word", text(17)) << import << 2 << "output1.off.word";
        QTest::newRow("outside Windows-1252") << doc("device_name", "\"\\u4e2d\"") << import << 2 << "device_name";
        QTest::newRow("a zero character") << doc("password", "\"a\\u0000b\"") << import << 2 << "password";
        QTest::newRow("padding not hexadecimal") << doc("padding", "\"00000g\"") << import << 2 << "padding";
        QTest::newRow("padding in Arabic-Indic digits")
            << doc("padding", "\"\\u0661\\u0662\\u0663\\u0664\\u0665\\u0666\"") << import << 2 << "padding";
        QTest::newRow("padding in fullwidth digits")
            << doc("padding", "\"\\uff10\\uff11\\uff10\\uff12\\uff10\\uff13\"") << import << 2 << "padding";
        QTest::newRow("padding") << doc("padding", "\"0A0b0F\"") << import << 0 << "";
        QTest::newRow("diff, first word") << doc("output1.on.word", "\"ZPOn1\"") << diff << 1
                                          << "output1.on.word: \"IPOn1\" in defaults.dat, \"ZPOn1\" in B.dat\n";
        QTest::newRow("diff, last word") << doc("output16.pulse.word", "\"IPPls1Z\"") << diff << 1
                                         << "output16.pulse.word: \"IPPls16\" in defaults.dat, \"IPPls1Z\" in B.dat\n";
        QTest::newRow("diff, same files") << QByteArray("{}") << diff << 0 << "";
        const QString exists = "kept.dat: the file exists; --force replaces it\n";
        const QStringList defaults { "defaults", "-o", "kept.dat" };
        QTest::newRow("import over a file") << QByteArray("{}") << import.mid(0, 4) << 2 << exists;
        QTest::newRow("defaults over a file") << QByteArray("{}") << defaults << 2 << exists;
        QTest::newRow("defaults over a file, forced")
            << QByteArray("{}") << defaults + QStringList { "--force" } << 0 << "";
    }
    void fileCommands()
    {
        QFETCH(QByteArray, document);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, printed);
        QVERIFY(WriteFile("document.json", document));
        Run({ "import", "document.json", "-o", "B.dat", "--force" });
        QCOMPARE(Run(arguments), status);
        QCOMPARE(status == 2 ? out : err, QString());
        const QString named = printed.endsWith('\n') ? printed : "document.json: \"" + printed + "\" ";
        QVERIFY2(status == 2 ? err.startsWith(named) && err.count('\n') == 1 : out == printed, qPrintable(out + err));
        // What an import or defaults writes is what the document gave B.dat, or the defaults.
        const QString written = arguments[0] == "import" ? "B.dat" : "defaults.dat";
        QCOMPARE(ReadFile("kept.dat"), status != 0 || arguments[0] == "diff" ? kOwnFile : ReadFile(written));
    }

    // A batch on the command line: the table checked first, each outcome its exit status, one summary line.
    void batch_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("commands");
        const QStringList batch { "batch", "defaults.dat", "units.csv", "--record", "record.csv" };
        const QByteArray unit = "S" + kReadCommands + kWriteCommands + kReadCommands;
        const auto row = [](const char* tag, const QStringList& arguments, int status, const QString& out,
                             const QString& err, const QByteArray& commands = {}) {
            QTest::newRow(tag) << arguments << status << out << err << commands;
        };
        row("dry run", { "batch", "defaults.dat", "units.csv", "--dry-run" }, 0,
            "row 1 (device_name \"Pump; 1\"):\n  phone_number: \"+111\" in the row, \"\" in the template\n  "
            "device_name: "
            "\"Pump; 1\" in the row, \"QUILMOX\" in the template\n  password: *** in the row, *** in the template\n",
            "");
        row("one unit", batch, 0, "1 verified, 0 differ, 0 pending\n", "", unit);
        row("a unit that differs", batch + QStringList { "--rows", "1" }, 1, "0 verified, 1 differ, 0 pending\n", "",
            unit);
        row("interrupted", batch, 4, "0 verified, 0 differ, 1 pending\n", "");
        row("no controller within the wait", batch + QStringList { "--wait", "0.05" }, 3,
            "0 verified, 0 differ, 1 pending\n", "");
        row("an unknown column", { "batch", "defaults.dat", "colour.csv", "--dry-run" }, 2, "",
            "colour.csv:1: column colour: \"colour\" is not a setting\ncolour.csv: 1 error(s); nothing was written.\n");
        row("rows the table lacks", batch + QStringList { "--rows", "1-2" }, 2, "",
            "--rows takes row numbers from 1 to 1, as 3-7 or 2,4-6.\n");
        row("backups where a file is", batch + QStringList { "--backups", "kept.dat" }, 2, "",
            "kept.dat: the backups folder cannot be made\n");
        row("no record", { "batch", "defaults.dat", "units.csv" }, 2, "", "batch needs --record FILE.\n");
        row("a record of another kind", { "batch", "defaults.dat", "units.csv", "--record", "colour.csv" }, 2, "",
            "colour.csv: is not a record of this tool (its first line is not "
            "\"time,line,serial,version,result,template,sha256,values,backup\")\n");
    }
    void batch()
    {
        QFETCH(QStringList, arguments);
        QVERIFY(WriteFile("units.csv", "device_name;phone_number;password\r\n\"Pump; 1\";+111;secret\r\n"));
        // A record that a crash cut short in its last line: the next line starts on a line of its own.
        const QByteArray header = "\xEF\xBB\xBF" + TBatchRecord::Header().toUtf8() + "\r\n", torn = "2026-12-08T07:";
        QVERIFY(WriteFile("record.csv", header + torn));
        QVERIFY(WriteFile("colour.csv", "device_name,colour\nPump,red\n"));
        const QString tag = QTest::currentDataTag();
        if (tag != "no controller within the wait" && tag != "interrupted")
            emulator->AddDevice(kNormal);
        // What the controller gives back is not what it was sent.
        for (int half = 0; half < 2 * kChunkCount && tag == "a unit that differs"; ++half)
            emulator->presetHalves[half] = QByteArray(kHalfImageSize, '\0');
        if (tag == "interrupted") // Ctrl-C while the batch waits for a controller
            QTimer::singleShot(0, [] { std::raise(SIGINT); });
        QTEST(Run(arguments), "status");
        QTEST(out, "out");
        QTEST(err, "err");
        QTEST(Commands(emulator->OutputLog()), "commands");
        const QList<QByteArray> record = ReadFile("record.csv").split('\n');
        if (tag == "one unit") { // the password never reaches the record
            QCOMPARE(record.mid(0, 2), (QList<QByteArray> { header.chopped(1), torn + "\r" }));
            QVERIFY(record[2].contains(",verified,") && record[2].contains("password=***")
                && !record[2].contains("secret"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_CommandLine.moc"
