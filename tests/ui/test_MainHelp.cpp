// Help as the main window sees it: the Help button shows only when a usable help file lies beside the executable
// or in ../share/parlowen, Help and F1 show one help window, and closing the main window closes it. This test runs
// from a folder of its own, so the files it places are seen by no other test.
#include "WindowTest.h"
#include "help/HelpBrowser.h"
#include "help/HelpViewer.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

const QString kBeside = QStringLiteral("parlowen.chm"), kShared = QStringLiteral("../share/parlowen/parlowen.chm");

QString Place(const QString& relative, const QByteArray& bytes)
{
    const QString path = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(relative));
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot place %s", qPrintable(path));
    return path;
}

void RemoveAll()
{
    for (const QString& relative : { kBeside, kShared })
        QFile::remove(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(relative));
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

QByteArray BuiltHelp()
{
    QFile file(QStringLiteral(PARLOWEN_HELP_CHM));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        RemoveAll();
    }
    void cleanup() { EndStrict(); }
    void cleanupTestCase() { RemoveAll(); }

    void helpFile_data()
    {
        QTest::addColumn<QStringList>("placed"); // where the built help file lies; "text:" places a text file
        QTest::addColumn<QString>("used"); // the file help uses, empty when the button is hidden
        QTest::newRow("beside the executable") << QStringList { kBeside, kShared } << kBeside;
        QTest::newRow("installed") << QStringList { kShared } << kShared;
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("a text file beside hides an installed one")
            << QStringList { "text:" + kBeside, kShared } << QString();
        QTest::newRow("empty installed file") << QStringList { "text:" + kShared } << QString();
    }
    void helpFile()
    {
        QFETCH(QStringList, placed);
        QFETCH(QString, used);
        for (const QString& where : placed)
            Place(QString(where).remove("text:"), where.startsWith("text:") ? QByteArray() : BuiltHelp());
        TMainForm form(nullptr, &noController);
        QCOMPARE(form.HelpButton->isHidden(), used.isEmpty());
        if (!used.isEmpty())
            QCOMPARE(form.HelpFilePath,
                QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(used)));
        QVERIFY(form.close());
    }

    // From another working directory: Help and F1 bring up one help window on the start page, not owned by the
    // main window; Cancel at the close question keeps it, No closes both.
    void helpWindow()
    {
        Place(kShared, BuiltHelp());
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        TMainForm form(nullptr, &noController);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F1);
        QCOMPARE(HelpWindows().size(), 1);
        THelpViewer* viewer = HelpWindows().first();
        QCOMPARE(viewer->Browser()->source(), QUrl(QStringLiteral("chm:/index.htm")));
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("16 digital inputs and 16 outputs")));
        QVERIFY(!viewer->parentWidget());
        QVERIFY(viewer->ShowTopic(QStringLiteral("/messages.htm")));
        viewer->hide();
        QTest::mouseClick(form.HelpButton, Qt::LeftButton);
        QCOMPARE(HelpWindows(), QList<THelpViewer*> { viewer });
        QCOMPARE(viewer->Browser()->source(), QUrl(QStringLiteral("chm:/index.htm")));
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
