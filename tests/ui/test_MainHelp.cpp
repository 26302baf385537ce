// Help as the main window sees it: the Help button shows only when a usable help file lies beside the executable
// or in ../share/parlowen, Help and F1 show one help window, and closing the main window closes it. This test runs
// from a folder of its own, so the files it places are seen by no other test.
#include "WindowTest.h"
#include "help/HelpBrowser.h"
#include "help/HelpViewer.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

const QString kBeside = "parlowen.chm", kShared = "../share/parlowen/parlowen.chm";

QString Beside(const QString& relative)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + '/' + relative);
}

QList<THelpViewer*> HelpWindows()
{
    QList<THelpViewer*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<THelpViewer*>(widget); viewer && viewer->isVisible())
            windows.append(viewer);
    }
    return windows;
}

} // namespace

class TestMainHelp : public QObject
{
    Q_OBJECT
    EmulatedController noController;

private slots:
    void init()
    {
        StartStrict();
        QDir().mkpath(Beside("../share/parlowen"));
        for (const QString& path : { kBeside, kShared })
            QFile::remove(Beside(path));
    }
    void cleanup() { EndStrict(); }

    // Each row: what lies beside the executable and in ../share/parlowen (nothing, the built help or a text file),
    // and the file help uses; none hides the button.
    void helpFile()
    {
        const QByteArray chm = ReadFile(PARLOWEN_HELP_CHM), text = "no help\n";
        const std::tuple<QByteArray, QByteArray, QString> rows[]
            = { { chm, chm, kBeside }, { {}, chm, kShared }, { {}, {}, {} }, { text, chm, {} } };
        for (const auto& [beside, shared, used] : rows) {
            init();
            QVERIFY(beside.isEmpty() || WriteFile(Beside(kBeside), beside));
            QVERIFY(shared.isEmpty() || WriteFile(Beside(kShared), shared));
            TMainForm form(nullptr, &noController);
            QCOMPARE(form.HelpButton->isHidden(), used.isEmpty());
            if (!used.isEmpty())
                QCOMPARE(form.HelpFilePath, Beside(used));
        }
    }

    // From another working directory: F1 and Help bring up one help window on the start page, not owned by the
    // main window; Cancel at the close question keeps it, No closes both.
    void helpWindow()
    {
        QVERIFY(QFile::copy(PARLOWEN_HELP_CHM, Beside(kShared)));
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        TMainForm form(nullptr, &noController);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F1);
        QCOMPARE(HelpWindows().size(), 1);
        THelpViewer* viewer = HelpWindows().first();
        QVERIFY(!viewer->parentWidget());
        QVERIFY(viewer->Browser()->toPlainText().contains("16 digital inputs and 16 outputs"));
        QVERIFY(viewer->ShowTopic("/messages.htm"));
        viewer->hide();
        QTest::mouseClick(form.HelpButton, Qt::LeftButton);
        QCOMPARE(HelpWindows(), QList<THelpViewer*> { viewer });
        QCOMPARE(viewer->Browser()->source(), QUrl("chm:/index.htm"));
        Set(form, "DeviceNameEdit", "Pump house");
        ToolkitScript::SetNextAnswer(mrCancel);
        QVERIFY(!form.close());
        QCOMPARE(HelpWindows().size(), 1);
        ToolkitScript::SetNextAnswer(mrNo);
        QVERIFY(form.close());
        QVERIFY(HelpWindows().isEmpty());
        QVERIFY(QDir::setCurrent(before));
    }
};

QTEST_MAIN(TestMainHelp)
#include "test_MainHelp.moc"
