// The record of a batch whose process is killed in the middle of a unit: the batch runs as a process of its own
// (batch_child) against emulated controllers, the second of which falls silent inside a given step, and is killed
// there. Every line the record has is whole, the finished unit's among them; the same batch run again goes on with
// the unit that was cut off and leaves the finished one untouched.
#include "TestSupport.h"
#include "batch/CsvReader.h"
#include "config/ConfigBlock.h"
#include "files/SettingsFile.h"

#include <QProcess>
#include <QtTest>

class TestRecordKill : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    // The batch of three rows as a process, the controllers 1001 to 1003 in turn; `silent` as batch_child takes it.
    void Start(QProcess& child, const QString& silent)
    {
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(BATCH_CHILD)),
            { "1001,1002,1003", silent, dir->filePath("template.dat"), dir->filePath("units.csv"), "--record",
                dir->filePath("record.csv"), "--timeout", "600", "--wait", "600" });
    }

    // What the child printed so far, its line ends as on Linux (Windows' C runtime writes CR LF).
    static QByteArray Output(QProcess& child) { return child.readAll().replace("\r", ""); }

    // The record's lines as "LINE SERIAL RESULT", each checked to be whole: ended by CR LF, nine fields.
    QStringList Record()
    {
        const QByteArray content = ReadFile(dir->filePath("record.csv"));
        if (!content.endsWith("\r\n"))
            return { "the record does not end with CR LF: " + QString::fromUtf8(content.right(80)) };
        QStringList lines;
        for (QByteArray line : content.chopped(1).split('\n')) {
            if (!line.endsWith('\r'))
                return { "a line ends without CR: " + QString::fromUtf8(line) };
            line.chop(1);
            const CsvContent csv = ReadCsv(line);
            if (csv.records.size() != 1 || csv.records.front().damaged || csv.records.front().fields.size() != 9)
                return { "a line is not the record's nine fields: " + QString::fromUtf8(line) };
            const QStringList& fields = csv.records.front().fields;
            lines << fields[1] + ' ' + fields[2] + ' ' + fields[4];
        }
        return lines.mid(1);
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        TConfigBlock templ {};
        SetDefaults(templ);
        QVERIFY(SaveSettingsFile(dir->filePath("template.dat"), templ));
        QVERIFY(WriteFile(dir->filePath("units.csv"), "device_name\r\nPump 1\r\nPump 2\r\nPump 3\r\n"));
    }

    // The second unit's controller answers `answered` reports (identify 1, the backup's read 43, the write 45, the
    // read back 43), then nothing: the batch waits in `step` until it is killed.
    void killedInTheSecondUnit_data()
    {
        QTest::addColumn<int>("answered");
        QTest::addColumn<QString>("step");
        QTest::newRow("in the backup") << 10 << "Backing up controller 1002 for row 2";
        QTest::newRow("in the write") << 44 + 17 << "Writing row 2";
        QTest::newRow("in the read-back") << 44 + 45 + 40 << "Verifying row 2";
    }
    void killedInTheSecondUnit()
    {
        QFETCH(int, answered);
        QFETCH(QString, step);
        QProcess child;
        Start(child, "1002:" + QString::number(answered));
        QByteArray output;
        QElapsedTimer clock;
        clock.start();
        while (!output.contains(step.toUtf8()) && child.state() != QProcess::NotRunning && clock.elapsed() < 30000) {
            child.waitForReadyRead(1000);
            output += Output(child);
        }
        child.kill();
        QVERIFY(child.waitForFinished(10000));
        output += Output(child);
        QVERIFY2(output.contains(step.toUtf8()), output.constData());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY2(output.contains("1001: 132\n"), output.constData());
        QCOMPARE(Record(), QStringList { "2 1001 verified" });

        // Again with the same record: controller 1001 is identified and left as it is; 1002 gets row 2 again.
        QProcess again;
        Start(again, "-");
        QVERIFY(again.waitForFinished(30000));
        output = Output(again);
        QVERIFY2(again.exitStatus() == QProcess::NormalExit && again.exitCode() == 0, output.constData());
        QVERIFY2(output.contains("1001: 1\n") && output.contains("1002: 132\n") && output.contains("1003: 132\n"),
            output.constData());
        QCOMPARE(Record(),
            QStringList({ "2 1001 verified", "0 1001 skipped: done already in this run", "3 1002 verified",
                "4 1003 verified" }));
    }
};

QTEST_GUILESS_MAIN(TestRecordKill)
#include "test_RecordKill.moc"
