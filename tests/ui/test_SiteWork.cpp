// The Site Work window driven through its controls against the emulated controller: a two-row table chosen in its
// dialog and previewed against the form as shown; a settings file that is not one told as Load File tells it, one
// loaded as the template, back on the form an edit there shown before anything is written, and a record of another
// kind told. Start holds the main window's device commands and closes its link; a controller is written and
// verified, then unplugged; Stop between units ends the run at once with the second row pending and the record
// holding the first row's line. A table with an error is listed and cannot start.
#include "WindowTest.h"
#include "batch/CsvReader.h"
#include "files/SettingsFile.h"
#include "ui/SiteWorkForm.h"

namespace {

// Each row of the preview as "number|unit|differences|status".
QStringList Rows(const TSiteWorkForm& site)
{
    QStringList rows;
    for (int row = 0; row < site.RowTable->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < site.RowTable->columnCount(); ++column)
            cells << site.RowTable->item(row, column)->text();
        rows << cells.join('|');
    }
    return rows;
}

// The main window with the form's device name "Gate" beside a controller, and its Site Work window with `table`
// chosen.
struct SiteBench : Bench
{
    QTemporaryDir dir;
    TSiteWorkForm* site = nullptr;

    explicit SiteBench(const QByteArray& table)
    {
        Set(Form, "DeviceNameEdit", "Gate");
        WriteFile(dir.filePath("gate.csv"), table);
        Click(Form, "SiteWorkButton");
        site = Form.findChild<TSiteWorkForm*>();
        site->Run().SetPollInterval(10);
        ToolkitScript::SetNextFileName(dir.filePath("gate.csv"));
        Click(*site, "TableFileButton");
    }
};

} // namespace

class TestSiteWork : public QObject
{
    Q_OBJECT

private slots:
    void init() { StartStrict(); }
    void cleanup() { EndStrict(); }

    void twoRowsStoppedBetweenUnits()
    {
        SiteBench bench("device_name;phone_number\r\nGate 1;+441\r\nGate 2;\r\n");
        TSiteWorkForm& site = *bench.site;
        const QString record = bench.dir.filePath("gate-record.csv");
        QCOMPARE(site.RecordFileEdit->text(), Shown(record));
        QCOMPARE(site.BackupsFolderEdit->text(), Shown(bench.dir.filePath("backups")));
        QCOMPARE(Rows(site),
            (QStringList { "1|row 1 (device_name \"Gate 1\")|Phone Number: \"+441\" in the row, \"\" in the template; "
                           "Device Name: \"Gate 1\" in the row, \"Gate\" in the template|pending",
                "2|row 2 (device_name \"Gate 2\")|Device Name: \"Gate 2\" in the row, \"Gate\" in the "
                "template|pending" }));
        const auto differences = [&] { return Rows(site).last().section('|', 2, 2); };
        QVERIFY(SaveSettingsFile(
            bench.dir.filePath("pump.dat"), Block(DefaultImage().replace(624, 7, QByteArray("Pump\0\0\0", 7)))));
        QVERIFY(WriteFile(bench.dir.filePath("none.dat"), QByteArray(kSettingsFileSize, 'x')));
        ToolkitScript::SetNextFileName(bench.dir.filePath("none.dat"));
        ToolkitScript::SetNextAnswer(mrOk);
        site.TemplateFileRadioButton->click();
        QCOMPARE(Boxes(), QStringList { "Incompatible data file." });
        QVERIFY(site.TemplateFormRadioButton->isChecked());
        QCOMPARE(differences(), "Device Name: \"Gate 2\" in the row, \"Gate\" in the template");
        ToolkitScript::SetNextFileName(bench.dir.filePath("pump.dat"));
        Click(site, "TemplateFileButton");
        QVERIFY(site.TemplateFileRadioButton->isChecked());
        QCOMPARE(differences(), "Device Name: \"Gate 2\" in the row, \"Pump\" in the template");
        site.TemplateFormRadioButton->click();
        Set(bench.Form, "DeviceNameEdit", "Gates");
        Click(site, "StartButton");
        QVERIFY(!site.Run().Running() && DeviceCommands(bench) == "offered");
        QCOMPARE(differences(), "Device Name: \"Gate 2\" in the row, \"Gates\" in the template");
        // A record of another kind is told in a box and stays whole, and nothing starts.
        QVERIFY(WriteFile(record, "when,what\n"));
        Click(site, "StartButton", mrOk);
        QVERIFY(Boxes().size() == 2 && Boxes().last().startsWith(Shown(record)));
        QCOMPARE(ReadFile(record), QByteArray("when,what\n"));
        QVERIFY(!site.Run().Running() && DeviceCommands(bench) == "offered");
        QVERIFY(QFile::remove(record));
        bench.Signal.SetRefreshInterval(60000);
        bench.Signal.KeepRefreshingCheckBox->setChecked(true);

        // The main window's link is open, listening for signal values, when the batch starts.
        bench.Controller.identity.serialNumber = 1111;
        Click(bench.Form, "SignalStrengthButton");
        QTRY_COMPARE_WITH_TIMEOUT(bench.Form.ProtocolState(), ProtocolStates::SignalReply, 60000);

        Click(site, "StartButton");
        QCOMPARE(DeviceCommands(bench), "busy");
        QVERIFY(!bench.Signal.KeepRefreshingCheckBox->isChecked() && !site.StartButton->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(Rows(site).first().section('|', 3), "verified", 60000);
        QCOMPARE(site.InstructionLabel->text(), "Row 1 verified: unplug it");
        QCOMPARE(site.UnitProgressBar->value(), TBatchRun::ReportsPerUnit());
        QCOMPARE(DeviceCommands(bench), "busy");
        bench.Controller.Unplug(bench.Path);
        QTRY_COMPARE_WITH_TIMEOUT(
            site.InstructionLabel->text(), "Plug in the controller for row 2 (device_name \"Gate 2\")", 60000);
        Click(site, "StopButton");
        QVERIFY(!site.Run().Running()); // between units the run ends at once
        QCOMPARE(site.InstructionLabel->text(), "Stopped. Rows pending: 1. Press Start to go on.");
        QCOMPARE(Rows(site).last().section('|', 3), "pending");
        QCOMPARE(DeviceCommands(bench), "offered");
        QVERIFY(site.StartButton->isEnabled() && !site.StopButton->isEnabled());

        const CsvContent lines = ReadCsv(ReadFile(record));
        QCOMPARE(lines.records.size(), std::size_t(2)); // the header and row 1's line
        const QStringList& line = lines.records[1].fields;
        QCOMPARE(line.mid(1, 2) + line.mid(4, 2), (QStringList { "2", "1111", "verified", "form as shown" }));
        QVERIFY(QFileInfo(bench.dir.filePath("backups/" + line.value(8))).isFile());
        Click(site, "OpenFolderButton");
        QCOMPARE(ToolkitScript::OpenedFolders(), QStringList { bench.dir.path() });
    }

    // A table with an error lists it, and Start is not offered.
    void tableWithAnError()
    {
        SiteBench bench("device_name,colour\nGate 1,red\n");
        TSiteWorkForm& site = *bench.site;
        QVERIFY(site.ProblemList->count() > 0);
        QVERIFY(site.ProblemList->item(0)->text().startsWith("gate.csv:1: column colour:"));
        QVERIFY(!site.StartButton->isEnabled() && !site.Run().Running());
        QCOMPARE(DeviceCommands(bench), "offered");
    }
};

QTEST_MAIN(TestSiteWork)
#include "test_SiteWork.moc"
