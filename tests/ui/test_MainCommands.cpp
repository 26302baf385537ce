// The window's file commands and its close: the close question with each answer, save and load with their
// dialogs, boxes and log lines, refusals that leave everything as it was, a file named on the command line or
// dropped on the window, and the dialogs' remembered folder.
#include "WindowTest.h"

#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <thread>
#include <sys/stat.h>

namespace {

const QString kCloseQuestion = QStringLiteral("Data has changed\nSave now?");

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

} // namespace

class TestMainCommands : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        StartStrict();
        QSettings().clear();
    }
    void cleanup() { EndStrict(); }

    void closeQuestion_data()
    {
        QTest::addColumn<QStringList>("edits"); // control=value, applied in order
        QTest::addColumn<int>("answer"); // 0: nothing is asked
        QTest::addColumn<bool>("closes");
        QTest::newRow("unchanged") << QStringList() << 0 << true;
        QTest::newRow("changed back") << QStringList { "OutputOnEdit1=Other", "OutputOnEdit1=IPOn1" } << 0 << true;
        QTest::newRow("No closes") << QStringList { "DeviceNameEdit=Changed" } << mrNo << true;
        QTest::newRow("Cancel stays") << QStringList { "PasswordEdit=Changed" } << mrCancel << false;
        QTest::newRow("Yes saves and stays") << QStringList { "PhoneNumberEdit=1" } << mrYes << false;
    }
    void closeQuestion()
    {
        QFETCH(QStringList, edits);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        TMainForm form;
        form.show();
        for (const QString& edit : edits)
            Set(form, edit.section('=', 0, 0), edit.section('=', 1));
        if (answer)
            ToolkitScript::SetNextAnswer(answer);
        const QString path = dir.filePath("yes.dat");
        if (answer == mrYes)
            ToolkitScript::SetNextFileName(path);
        Click(form, "ExitButton");
        QCOMPARE(form.isVisible(), !closes);
        QCOMPARE(Boxes(), answer ? QStringList { kCloseQuestion } : QStringList());
        if (answer)
            QCOMPARE(ToolkitScript::AskedBoxes()[0].Buttons, TMsgDlgButtons::mbYesNoCancel);
        if (answer == mrYes) { // the window stays open after the save; closing again asks nothing
            QCOMPARE(Log(form), (QStringList { "File Saved:", path }));
            QVERIFY(form.close());
            QCOMPARE(Boxes().size(), 1);
        }
    }

    // Every way a file comes in (the Load button, the command line, a drop on a text control) takes the same path.
    void load_data()
    {
        QTest::addColumn<QByteArray>("content"); // "fifo": a named pipe no one writes to
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("loaded");
        const QByteArray header = Hex("01000000") + QByteArray("QUILMOX Parlowen").leftJustified(32, '\0');
        const QByteArray body(1848, '\x01');
        for (const char* way : { "button", "command line", "drop" }) {
            QTest::addRow("%s: tool file", way) << header + body << QString() << true;
            QTest::addRow("%s: other case", way) << QByteArray(header).replace(12, 4, "PARL") + body << "Incompatible data file." << false;
        }
        QTest::newRow("version 2") << Hex("02") + header.mid(1) + body << "The file uses a later data format.\r\nCannot load" << false;
        QTest::newRow("header only") << header << "Error Opening File." << false;
        QTest::newRow("fifo") << QByteArray("fifo") << "Error Opening File." << false;
    }
    void load()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, box);
        QFETCH(bool, loaded);
        const QString way = QString::fromLatin1(QTest::currentDataTag()).section(':', 0, 0);
        const QString path = dir.filePath("load.dat");
        QFile::remove(path);
        std::thread release;
        if (content == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            // Should the load open the pipe, a writer comes after 1.1 s to release it, and the time check fails.
            release = std::thread([&] {
                QThread::msleep(1100);
                QFile(path).open(QIODevice::ReadWrite);
            });
        } else {
            WriteFile(path, content);
        }
        TMainForm form;
        Set(form, "DeviceNameEdit", "Not yet collected");
        if (!box.isEmpty())
            ToolkitScript::SetNextAnswer(mrOk);
        QElapsedTimer timer;
        timer.start();
        if (way == "command line") {
            form.LoadFile(path);
        } else if (way == "drop") {
            QMimeData data;
            data.setUrls({ QUrl::fromLocalFile(path) });
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(form.SMSMessageMemo->viewport(), &enter); // over the memo, not into it
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(form.SMSMessageMemo->viewport(), &drop);
        } else {
            ToolkitScript::SetNextFileName(path);
            Click(form, "LoadButton");
        }
        QVERIFY(timer.elapsed() < 1000);
        if (release.joinable())
            release.join();
        QCOMPARE(Boxes(), box.isEmpty() ? QStringList() : QStringList { box });
        QCOMPARE(Bytes(form.Config), loaded ? QByteArray(1848, '\x01') : DefaultImage());
        QCOMPARE(Bytes(form.ConfigSnapshot), Bytes(form.Config));
        QCOMPARE(Value(form, "DeviceNameEdit").toString(), loaded ? QString(32, QChar(1)) : QStringLiteral("Not yet collected"));
        const QStringList log = loaded ? QStringList { "File Loaded:", path }
            : box == "Error Opening File." ? QStringList { "File Error:", path }
                                           : QStringList();
        QCOMPARE(Log(form), log);
    }

    // A save that cannot be written, or would replace a pipe, reports it and takes no snapshot: closing still asks.
    void failedSave()
    {
        const QString fifo = dir.filePath("save-fifo.dat"), link = dir.filePath("to-fifo.dat");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, link));
        TMainForm form;
        form.show();
        Set(form, "DeviceNameEdit", "Unsaved");
        for (const QString& path : { dir.filePath("no/folder.dat"), fifo, link }) {
            ToolkitScript::Reset();
            ToolkitScript::SetStrict(true);
            ToolkitScript::SetNextFileName(path);
            ToolkitScript::SetNextAnswer(mrOk);
            form.LogMemo->clear();
            Click(form, "SaveButton");
            QCOMPARE(Boxes(), QStringList { "Error Saving File." });
            QCOMPARE(Log(form), (QStringList { "File Error:", path }));
            QCOMPARE(Bytes(form.ConfigSnapshot), DefaultImage());
        }
        QVERIFY(!QFileInfo(fifo).isFile() && QFileInfo(fifo).exists());
        ToolkitScript::SetNextAnswer(mrCancel);
        QVERIFY(!form.close());
    }

    // The dialogs start in the documents folder, then in the folder of the last file saved or loaded, also in a
    // window of the next run. Ctrl+S and Ctrl+O run Save File and Load File.
    void rememberedFolder()
    {
        QDir(dir.path()).mkpath("a");
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        {
            TMainForm form;
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            ToolkitScript::SetNextFileName(dir.filePath("a/x.dat"));
            ToolkitScript::SetNextFileName(QString());
            QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
            QCOMPARE(ToolkitScript::AskedDialogs()[0].Directory, documents);
            QCOMPARE(ToolkitScript::AskedDialogs()[1].Directory, dir.filePath("a"));
        }
        TMainForm next;
        ToolkitScript::SetNextFileName(QString());
        next.LoadButtonClick();
        QCOMPARE(ToolkitScript::AskedDialogs()[2].Directory, dir.filePath("a"));
        QCOMPARE(ToolkitScript::AskedDialogs()[2].Kind, TFileDialogKind::Open);
        QCOMPARE(ToolkitScript::AskedDialogs()[0].DefaultExt, QStringLiteral("dat"));
    }
};

QTEST_MAIN(TestMainCommands)
#include "test_MainCommands.moc"
