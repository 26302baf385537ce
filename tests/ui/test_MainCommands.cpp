// The window's file commands and its close: the close question with each answer, load by the button, from the
// command line and by a drop, with their boxes and log lines and refusals that change nothing, saves that fail,
// the dialogs' remembered folder and the keys that run Save File and Load File.
#include "PlatformFiles.h"
#include "WindowTest.h"

#include <thread>

class TestMainCommands : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void init()
    {
        StartStrict();
        QSettings().clear();
    }
    void cleanup() { EndStrict(); }

    // Each row: the edits (control=value, in order) and the answer to the question (0: nothing is asked).
    void closeQuestion()
    {
        const std::tuple<QStringList, int, bool> rows[]
            = { { {}, 0, true }, { { "OutputOnEdit1=Other", "OutputOnEdit1=IPOn1" }, 0, true }, // changed back
                  { { "DeviceNameEdit=Changed" }, mrNo, true }, { { "PasswordEdit=Changed" }, mrCancel, false },
                  { { "PhoneNumberEdit=1" }, mrYes, false } }; // saved, and the window stays open
        for (const auto& [edits, answer, closes] : rows) {
            StartStrict();
            TMainForm form;
            form.show();
            for (const QString& edit : edits)
                Set(form, edit.section('=', 0, 0), edit.section('=', 1));
            if (answer)
                ToolkitScript::SetNextAnswer(answer);
            if (answer == mrYes)
                ToolkitScript::SetNextFileName(dir.filePath("yes.dat"));
            Click(form, "ExitButton");
            QCOMPARE(form.isVisible(), !closes);
            QCOMPARE(Boxes(), answer ? QStringList { "Data has changed\nSave now?" } : QStringList());
            if (answer == mrYes) { // closing again asks nothing
                QCOMPARE(Log(form), (QStringList { "File Saved:", Shown(dir.filePath("yes.dat")) }));
                QVERIFY(form.close());
            }
        }
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("content"); // "special": a pipe no one writes to, or a device
        QTest::addColumn<QString>("box");
        const QByteArray header = Hex("01000000") + QByteArray("QUILMOX Parlowen").leftJustified(32, 0);
        for (const char* way : { "button", "command line", "drop" }) {
            QTest::addRow("%s: tool file", way) << header + QByteArray(1848, 1) << QString();
            QTest::addRow("%s: other case", way)
                << header.left(12) + "PARL" + QByteArray(1868, 1) << "Incompatible data file.";
        }
        QTest::newRow("version 2") << Hex("02") + header.mid(1) + QByteArray(1848, 1)
                                   << "The file uses a later data format.\r\nCannot load";
        QTest::newRow("header only") << header << "Error Opening File.";
        QTest::newRow("special") << QByteArray("special") << "Error Opening File.";
    }
    void load()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, box);
        const QString way = QString(QTest::currentDataTag()).section(':', 0, 0);
        const QString path = content == "special" ? SpecialPaths(dir.path()).constFirst() : dir.filePath("load.dat");
        std::thread release;
        if (content == "special") {
            // Should the load open a pipe, a writer comes after 1.1 s to release it, and the time check fails.
            release = std::thread([&] {
                QThread::msleep(1100);
                QFile(path).open(QIODevice::ReadWrite);
            });
        } else {
            QVERIFY(WriteFile(path, content));
        }
        TMainForm form;
        Set(form, "DeviceNameEdit", "Not yet collected");
        if (!box.isEmpty())
            ToolkitScript::SetNextAnswer(mrOk);
        const QDeadlineTimer soon(1000);
        if (way == "command line") {
            form.LoadFile(path);
        } else if (way == "drop") { // over the memo, not into it
            QMimeData data;
            data.setUrls({ QUrl::fromLocalFile(path) });
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QVERIFY(QApplication::sendEvent(form.SMSMessageMemo->viewport(), &enter) && enter.isAccepted());
            QApplication::sendEvent(form.SMSMessageMemo->viewport(), &drop);
        } else {
            ToolkitScript::SetNextFileName(path);
            Click(form, "LoadButton");
        }
        QVERIFY(!soon.hasExpired());
        if (release.joinable())
            release.join();
        const bool loaded = box.isEmpty();
        const QStringList log { loaded ? "File Loaded:" : "File Error:", Shown(path) }; // refused files log nothing
        QCOMPARE(Boxes(), loaded ? QStringList() : QStringList { box });
        QCOMPARE(Bytes(form.Config), loaded ? QByteArray(1848, 1) : DefaultImage());
        QCOMPARE(Bytes(form.ConfigSnapshot), Bytes(form.Config));
        QCOMPARE(Value(form, "DeviceNameEdit").toString(), loaded ? QString(32, QChar(1)) : "Not yet collected");
        QCOMPARE(Log(form), loaded || box.startsWith("Error") ? log : QStringList());
    }

    // A save that cannot be written, or would replace a pipe or a device, reports it and takes no snapshot: closing
    // still asks.
    void failedSave()
    {
        TMainForm form;
        Set(form, "DeviceNameEdit", "Unsaved");
        for (const QString& path : QStringList { dir.filePath("no/folder.dat") } + SpecialPaths(dir.path())) {
            ToolkitScript::SetNextFileName(path);
            form.LogMemo->clear();
            Click(form, "SaveButton", mrOk);
            QCOMPARE(Boxes().last(), QStringLiteral("Error Saving File."));
            QCOMPARE(Log(form), (QStringList { "File Error:", Shown(path) }));
        }
        QVERIFY(!QFileInfo(SpecialPaths(dir.path()).constFirst()).isFile());
        ToolkitScript::SetNextAnswer(mrCancel); // no snapshot was taken: closing asks
        QVERIFY(!form.close());
    }

    // The dialogs start in the documents folder, then in the folder of the last file saved or loaded, also in a
    // window of the next run. Ctrl+S and Ctrl+O run Save File and Load File.
    void rememberedFolder()
    {
        QDir(dir.path()).mkpath("a");
        {
            TMainForm form;
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            ToolkitScript::SetNextFileName(dir.filePath("a/x.dat"));
            ToolkitScript::SetNextFileName(QString());
            QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        }
        TMainForm next;
        ToolkitScript::SetNextFileName(QString());
        next.LoadButtonClick();
        const auto& asked = ToolkitScript::AskedDialogs();
        QCOMPARE(asked.size(), 3);
        QCOMPARE(asked[0].Directory, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(asked[1].Directory, dir.filePath("a"));
        QCOMPARE(asked[2].Directory, dir.filePath("a"));
        QVERIFY(asked[0].Kind == TFileDialogKind::Save && asked[1].Kind == TFileDialogKind::Open);
    }
};

QTEST_MAIN(TestMainCommands)
#include "test_MainCommands.moc"
