// The Site Work window driven through its controls against the emulated controller: a two-row table chosen in its
// dialog and previewed against the form as shown; Start holds the main window's device commands and closes its link;
// a controller is written and verified, then unplugged; Stop between units ends the run at once with the second row
// pending and the record holding the first row's line. Tables, records and templates that cannot be used are told and
// nothing starts; a template changed after the preview is shown before anything is written.
#include "WindowTest.h"
#include "batch/BatchRecord.h"
#include "batch/CsvReader.h"
#include "files/SettingsFile.h"
#include "ui/SiteWorkForm.h"

namespace {

const QStringList kDeviceButtons { "WriteButton", "ReadButton", "SignalStrengthButton", "CompareButton" };

// "offered" or "busy" when the four device buttons agree.
QString DeviceCommands(TMainForm& form)
{
    int enabled = 0;
    for (const QString& button : kDeviceButtons)
        enabled += form.findChild<QPushButton*>(button)->isEnabled();
    return enabled == 4 ? "offered" : enabled == 0 ? "busy" : "mixed";
}

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

// The main window with the form's device name "Gate", and its Site Work window with `table` chosen.
struct SiteBench
{
    QTemporaryDir dir;
    EmulatedController controller;
    TMainForm main { nullptr, &controller };
    TSignalStrengthForm signal;
    TSiteWorkForm* site = nullptr;

    explicit SiteBench(const QByteArray& table)
    {
        main.SetSignalStrengthForm(&signal);
        Set(main, "DeviceNameEdit", "Gate");
        WriteFile(dir.filePath("gate.csv"), table);
        Click(main, "SiteWorkButton");
        site = main.findChild<TSiteWorkForm*>();
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
        QCOMPARE(site.RecordFileEdit->text(), Shown(bench.dir.filePath("gate-record.csv")));
        QCOMPARE(site.BackupsFolderEdit->text(), Shown(bench.dir.filePath("backups")));
        QCOMPARE(Rows(site),
            (QStringList { "1|row 1 (device_name \"Gate 1\")|phone_number: \"+441\" in the row, \"\" in the template; "
                           "device_name: \"Gate 1\" in the row, \"Gate\" in the template|pending",
                "2|row 2 (device_name \"Gate 2\")|device_name: \"Gate 2\" in the row, \"Gate\" in the "
                "template|pending" }));
        bench.signal.SetRefreshInterval(60000);
        bench.signal.KeepRefreshingCheckBox->setChecked(true);

        // The main window's link is open, listening for signal values, when the batch starts.
        bench.controller.identity.serialNumber = 1111;
        const QByteArray unit = bench.controller.AddDevice(kNormalId);
        Click(bench.main, "SignalStrengthButton");
        QTRY_COMPARE_WITH_TIMEOUT(bench.main.ProtocolState(), ProtocolStates::SignalReply, 60000);

        Click(site, "StartButton");
        QCOMPARE(DeviceCommands(bench.main), "busy");
        QVERIFY(!bench.signal.KeepRefreshingCheckBox->isChecked() && !site.StartButton->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(Rows(site).first().section('|', 3), "verified", 60000);
        QCOMPARE(site.InstructionLabel->text(), "Row 1 verified: unplug it");
        QCOMPARE(site.UnitProgressBar->value(), TBatchRun::ReportsPerUnit());
        QCOMPARE(DeviceCommands(bench.main), "busy");
        bench.controller.Unplug(unit);
        QTRY_COMPARE_WITH_TIMEOUT(
            site.InstructionLabel->text(), "Plug in the controller for row 2 (device_name \"Gate 2\")", 60000);
        Click(site, "StopButton");
        QVERIFY(!site.Run().Running()); // between units the run ends at once
        QCOMPARE(site.InstructionLabel->text(), "Stopped. Rows pending: 1. Press Start to go on.");
        QCOMPARE(Rows(site).last().section('|', 3), "pending");
        QCOMPARE(DeviceCommands(bench.main), "offered");
        QVERIFY(site.StartButton->isEnabled() && !site.StopButton->isEnabled());

        const QByteArray record = ReadFile(bench.dir.filePath("gate-record.csv"));
        const CsvContent lines = ReadCsv(record);
        QCOMPARE(lines.records.size(), std::size_t(2));
        QCOMPARE(lines.records[0].fields.join(','), TBatchRecord::Header());
        const QStringList& line = lines.records[1].fields;
        QCOMPARE(line.mid(1, 2) + line.mid(4, 2), (QStringList { "2", "1111", "verified", "form as shown" }));
        QVERIFY(QFileInfo(bench.dir.filePath("backups/" + line.value(8))).isFile());
        Click(site, "OpenFolderButton");
        QCOMPARE(ToolkitScript::OpenedFolders(), QStringList { bench.dir.path() });
    }

    // A table with an error lists it and cannot start; a record of another kind is told in a box and stays whole.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unknown column") << QByteArray("device_name,colour\nGate 1,red\n") << QByteArray()
                                        << "gate.csv:1: column colour:";
        QTest::newRow("record of another kind")
            << QByteArray("device_name\nGate 1\n") << QByteArray("when,what\n") << "";
    }
    void refusals()
    {
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, record);
        QFETCH(QString, problem);
        SiteBench bench(table);
        TSiteWorkForm& site = *bench.site;
        QCOMPARE(site.ProblemList->count() > 0, !problem.isEmpty());
        QVERIFY(site.ProblemList->count() == 0 || site.ProblemList->item(0)->text().startsWith(problem));
        QCOMPARE(site.StartButton->isEnabled(), problem.isEmpty());
        if (!record.isEmpty()) {
            WriteFile(bench.dir.filePath("gate-record.csv"), record);
            Click(site, "StartButton", mrOk);
            QCOMPARE(Boxes().size(), 1);
            QVERIFY(Boxes().first().startsWith(Shown(bench.dir.filePath("gate-record.csv"))));
            QCOMPARE(ReadFile(bench.dir.filePath("gate-record.csv")), record);
        }
        QVERIFY(!site.Run().Running());
        QCOMPARE(DeviceCommands(bench.main), "offered");
    }

    // A settings file that is not one is told as Load File tells it and the form stays the template; a file
    // loaded is the template; back on the form, an edit there is shown before Start writes anything.
    void templates()
    {
        SiteBench bench("device_name\nGate 1\n");
        TSiteWorkForm& site = *bench.site;
        QByteArray pump = DefaultImage().replace(624, 7, QByteArray("Pump\0\0\0", 7));
        QVERIFY(SaveSettingsFile(bench.dir.filePath("pump.dat"), Block(pump)));
        QVERIFY(WriteFile(bench.dir.filePath("none.dat"), QByteArray(kSettingsFileSize, 'x')));
        ToolkitScript::SetNextFileName(bench.dir.filePath("none.dat"));
        ToolkitScript::SetNextAnswer(mrOk);
        site.TemplateFileRadioButton->click();
        QCOMPARE(Boxes(), QStringList { "Incompatible data file." });
        QVERIFY(site.TemplateFormRadioButton->isChecked());
        const auto differences = [&] { return Rows(site).first().section('|', 2, 2); };
        QCOMPARE(differences(), "device_name: \"Gate 1\" in the row, \"Gate\" in the template");
        ToolkitScript::SetNextFileName(bench.dir.filePath("pump.dat"));
        Click(site, "TemplateFileButton");
        QVERIFY(site.TemplateFileRadioButton->isChecked());
        QCOMPARE(differences(), "device_name: \"Gate 1\" in the row, \"Pump\" in the template");

        site.TemplateFormRadioButton->click();
        Set(bench.main, "DeviceNameEdit", "Gates");
        Click(site, "StartButton");
        QVERIFY(!site.Run().Running() && DeviceCommands(bench.main) == "offered");
        QCOMPARE(differences(), "device_name: \"Gate 1\" in the row, \"Gates\" in the template");
    }

    // Site Work sits between Compare and Load File and ends the tab order; every control of its window is named.
    void placeAndNames()
    {
        TMainForm form;
        form.show();
        const QRect place = form.SiteWorkButton->geometry();
        QVERIFY(form.Panel1->rect().contains(place));
        QCOMPARE(place.y(), form.CompareButton->y());
        QVERIFY(place.left() > form.CompareButton->geometry().right() && place.right() < form.LoadButton->x());
        QCOMPARE(form.CompareButton->nextInFocusChain(), form.SiteWorkButton);
        Click(form, "SiteWorkButton");
        QStringList names;
        for (QWidget* control : form.findChild<TSiteWorkForm*>()->findChildren<QWidget*>()) {
            if (control->focusPolicy() & Qt::TabFocus && !control->focusProxy()
                && control->isVisibleTo(control->window()))
                names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        }
        QVERIFY(!names.contains(QString()));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    }
};

QTEST_MAIN(TestSiteWork)
#include "test_SiteWork.moc"
