// Help as the main window sees it: a help file beside the executable comes first, then one in ../share/parlowen;
// Help and F1 show one help window, and closing the main window closes it. This test runs from a folder of its own,
// so the files it places are seen by no other test.
#include "WindowTest.h"
#include "help/HelpBrowser.h"
#include "help/HelpViewer.h"

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
    void init() { StartStrict(); }
    void cleanup() { EndStrict(); }

    // From another working directory: F1 and Help bring up one help window on the start page, not owned by the
    // main window; Cancel at the close question keeps it, No closes both.
    void helpWindow()
    {
        QVERIFY(QDir().mkpath(Beside("../share/parlowen")) && WriteFile(Beside(kShared), ReadFile(PARLOWEN_HELP_CHM)));
        QVERIFY(WriteFile(Beside(kBeside), "no help\n"));
        QVERIFY(TMainForm(nullptr, &noController).HelpButton->isHidden()); // the file beside it is no help file
        QFile::remove(Beside(kBeside));
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        TMainForm form(nullptr, &noController);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F1);
        QCOMPARE(HelpWindows().size(), 1);
        THelpViewer* viewer = HelpWindows().first();
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
        QVERIFY(QDir::setCurrent(before) && QFile::remove(Beside(kShared)));
    }
};

QTEST_MAIN(TestMainHelp)
#include "test_MainHelp.moc"
