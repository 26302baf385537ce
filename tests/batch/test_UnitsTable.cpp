// The units table: small CSV files as spreadsheets write them, each read against the default template; what each
// row holds, or every problem with its line and column. Then a row as the preview shows it, and the example files.
#include "TestSupport.h"
#include "batch/UnitsTable.h"
#include "config/SettingCatalogue.h"
#include "files/SettingsFile.h"

#include <QtTest>

const TConfigBlock kTemplate = Block(DefaultImage());

class TestUnitsTable : public QObject
{
    Q_OBJECT

private slots:
    void table_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("rows");
        // "ROW NAME VALUE": a setting as `show` shows it in the row's block, or the row's line or serial number.
        QTest::addColumn<QStringList>("facts");
        QTest::addColumn<QStringList>("problems"); // "LINE column: fragment", in the order of the file
        const auto row
            = [](const char* name, int rows, const QByteArray& csv, const QStringList& facts,
                  const QStringList& problems = {}) { QTest::newRow(name) << csv << rows << facts << problems; };
        row("comma, LF; an empty cell is the template's", 2, "device_name,password\nPump 1,\n,0000\n",
            { "1 device_name \"Pump 1\"", "1 password \"Tarnvale\"", "2 device_name \"QUILMOX\"", "2 line 3" });
        row("semicolon, BOM, CR LF, quoting, a blank line, no last line end", 3,
            "\xEF\xBB\xBF serial ;device_name;message\r\n1001;\"Pump, 1\";\"High; pump 1\"\r\n\r\n-7;\"P \"\"2\"\"\";"
            "\"One\r\ntwo\nthree\"\r\n+3; Pump 3 ;\"\"",
            { "1 serial 1001", "1 device_name \"Pump, 1\"", "1 message \"High; pump 1\"", "2 line 4", "2 serial -7",
                "2 device_name \"P \\\"2\\\"\"", "2 message \"One\\r\\ntwo\\nthree\"", "3 line 7", "3 serial 3",
                "3 device_name \" Pump 3 \"", "3 message \"This is a text message\"" });
        row("flags, numbers, padding; a short row and an empty one", 4,
            "output1.invert,input16.invert,inhibit_input,padding,output16.pulse_period\n"
            " ON , no ,+12,0aFf00,-5\nfalse,Yes, 7 \n0,TRUE,,\n,,,,\n",
            { "1 output1.invert on", "1 input16.invert off", "1 inhibit_input 12", "1 padding 0aff00",
                "1 output16.pulse_period -5", "2 output1.invert off", "2 input16.invert on", "2 inhibit_input 7",
                "2 output16.pulse_period 1000", "3 output1.invert off" });
        row("Windows-1252 lengths after conversion", 1,
            "device_name;password\n€€€€€€€€€€€€€€€€€€€€€€€€€€€€€€€€;éééééééééééééééé\n",
            { "1 device_name \"" + QString(32, u'€') + '"', "1 password \"" + QString(16, u'é') + '"' });
        row("too long after conversion, or no text for the block", 2,
            QByteArrayLiteral("password,device_name\néééééééééééééééééé,Ω\n\"\"\"漢\"\"\",A\0B\n"), {},
            { "2 password: \"password\" is longer than 16 bytes", "2 device_name: cannot represent",
                "3 password: Windows-1252 cannot represent", "3 device_name: must not hold a zero character" });
        row("one column: a semicolon is text", 1, "message\r\nHello; world\r\n", { "1 message \"Hello; world\"" });
        row("the header", 0, "device_name, colour,,device_name,Serial\n", {},
            { "1 colour: \"colour\" is not a setting", "1: column 3 has no name",
                "1 device_name: \"device_name\" names columns 1 and 4", "1 Serial: \"Serial\" is not a setting" });
        row("separators in the header: the first outside quotes", 0, "\"a,b\";device_name,password\n", {},
            { "1 a,b: \"a,b\" is not a setting", "1 device_name,password: is not a setting" });
        row("a header of only the serial", 1, "serial\n5\n", { "1 serial 5" }, { "1: names no setting" });
        row("no header", 0, "\r\n\n", {}, { "1: the table is empty" });
        row("serial numbers", 8,
            "serial,password\n12x,\n,\n2147483648,\n 7 ,\n-2147483648,\n7,\n-2147483649,\n99999999999999999999,\n",
            { "4 serial 7", "5 serial -2147483648" },
            { "2 serial: must be a serial number", "3 serial: is empty", "4 serial: from -2147483648 to 2147483647",
                "7 serial: \"serial\" 7 is on lines 5 and 7", "8 serial: to 2147483647",
                "9 serial: as info reports it" });
        row("cells of the wrong kind", 3,
            "output1.invert;inhibit_input;padding;input1.invert\nmaybe;1.5;0g0000;\n;2147483648;00ff;\n;;;o n\n", {},
            { "2 output1.invert: must be on or off, true or false, yes or no, 1 or 0", "2 inhibit_input: integer from",
                "2 padding: must be 6 hexadecimal digits", "3 inhibit_input: from -2147483648 to 2147483647",
                "3 padding: 6 hexadecimal", "4 input1.invert: must be on or off" });
        row("more cells than the header; cells after a quoted line break, blank lines before the header", 1,
            "\r\n\nmessage;device_name\n\"x\n\ny\";漢;z;\n", { "1 message \"x\\n\\ny\"" },
            { "6: the row has 4 cells, the header 2", "6 device_name: cannot represent" });
        row("the same device name, the template's too", 4, "device_name,password\nQUILMOX,a\n,b\nX,c\nX,d\n", {},
            { "3 device_name: warning: \"device_name\" \"QUILMOX\" is on lines 2 and 3",
                "5 device_name: warning: \"device_name\" \"X\" is on lines 4 and 5" });
        row("malformed quoting", 1, "device_name,message\nab\"c,x\n\"ab\"c,\"\"\nA,\"\"\"B\"\" \"\nD,\"open\nE\n",
            { "3 message \"\\\"B\\\" \"" },
            { "2: a quote inside a field", "3: text after the closing quote", "5: is never closed" });
        row("bytes that are not UTF-8", 1, "device_name;message\n\xFFx;a\nA;\"ok\n\xC3\x28\"\nB;\xC3\xA9\n",
            { "3 device_name \"B\"", "3 message \"é\"" }, { "2: not UTF-8", "4: not UTF-8" });
    }

    void table()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, facts);
        QFETCH(QStringList, problems);
        const UnitsTable table = ParseUnitsTable(csv, kTemplate);
        // Each problem as "3: TEXT" or "3 serial: TEXT"; or as the row expects it ("LINE column: fragment") when it
        // begins like that and holds the fragment, so that comparing the lists shows what differs.
        QStringList listed;
        for (const TableProblem& problem : table.problems) {
            const QString brief = QString::number(problem.line) + (problem.column.isEmpty() ? "" : ' ' + problem.column)
                + ": " + (problem.warning ? "warning: " : "") + problem.text;
            const QString expected = problems.value(listed.size());
            const qsizetype colon = expected.indexOf(": ") + 2;
            const bool matches = brief.startsWith(expected.left(colon)) && brief.contains(expected.mid(colon));
            listed << (matches ? expected : brief);
        }
        QCOMPARE(listed, problems);
        QCOMPARE(
            table.HasErrors(), !problems.filter(QRegularExpression(QStringLiteral("^[^:]*: (?!warning:)"))).isEmpty());
        QTEST(int(table.rows.size()), "rows");
        for (const QString& fact : facts) {
            const QStringList parts = fact.split(QLatin1Char(' '));
            const auto found = std::find_if(table.rows.begin(), table.rows.end(),
                [&](const UnitRow& row) { return QString::number(row.number) == parts[0]; });
            QVERIFY2(found != table.rows.end(), qPrintable(fact));
            const Setting* setting = FindSetting(parts[1]);
            const QString value = parts[1] == QLatin1String("line") ? QString::number(found->line)
                : parts[1] == QLatin1String("serial") ? (found->hasSerial ? QString::number(found->serial) : "")
                                                      : DisplayValue(*setting, SettingValue(*setting, found->block));
            QCOMPARE(QStringLiteral("%1 %2 %3").arg(parts[0], parts[1], value), fact);
        }
    }

    // A row as the preview shows it: named by its own device name, else by its serial number, and its table's
    // problems a line each. (What differs from the template, the password hidden: the command line's dry run.)
    void preview()
    {
        const UnitsTable table = ParseUnitsTable("serial;device_name;password;output16.pulse.enabled;message;\n"
                                                 "4711;Pump 4;secret;on;\n4712;;;;\n;QUILMOX;x\n;;;;\n",
            kTemplate);
        QStringList labels, lines;
        for (const UnitRow& row : table.rows)
            labels << RowLabel(row);
        for (const TableProblem& problem : table.problems)
            lines << ProblemLine(QStringLiteral("units.csv"), problem);
        QCOMPARE(labels,
            QStringList({ "row 1 (device_name \"Pump 4\")", "row 2 (serial 4712)", "row 3 (device_name \"QUILMOX\")",
                "row 4" }));
        QCOMPARE(lines,
            QStringList({ "units.csv:1: column 6 has no name",
                "units.csv:4: column serial: \"serial\" is empty: each row names its controller",
                "units.csv:4: column device_name: warning: \"device_name\" \"QUILMOX\" is on lines 3 and 4",
                "units.csv:5: column serial: \"serial\" is empty: each row names its controller",
                "units.csv:5: column device_name: warning: \"device_name\" \"QUILMOX\" is on lines 3 and 5" }));
    }

    // The examples beside the manual; a file that cannot be read is one problem, on no line.
    void examples()
    {
        TConfigBlock templ {};
        QCOMPARE(LoadSettingsFile(QStringLiteral(PARLOWEN_EXAMPLES "/template.dat"), templ), LoadOutcome::Loaded);
        const UnitsTable table = LoadUnitsTable(QStringLiteral(PARLOWEN_EXAMPLES "/units.csv"), templ);
        QVERIFY2(table.problems.empty(), qPrintable(table.problems.empty() ? "" : ProblemLine("", table.problems[0])));
        QCOMPARE(table.rows.size(), std::size_t(6));
        for (const QString path : { PARLOWEN_EXAMPLES, PARLOWEN_EXAMPLES "/missing.csv" }) {
            const UnitsTable missing = LoadUnitsTable(path, templ);
            QVERIFY(missing.problems.size() == 1 && ProblemLine(path, missing.problems[0]).startsWith(path + ": "));
        }
    }
};

QTEST_GUILESS_MAIN(TestUnitsTable)
#include "test_UnitsTable.moc"
