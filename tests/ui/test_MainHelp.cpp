// Help as the main window sees it: the Help button shows only when the help file beside the executable opens, a
// click shows the default topic in one help window, and closing the main window closes it. This test runs from a
// folder of its own, so the help file it places beside itself is seen by no other test.
#include "EmulatedController.h"
#include "FormProbe.h"
#include "help/HelpBrowser.h"
#include "help/HelpViewer.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QString BesideExecutable()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("parlowen.chm"));
}

void RemoveHelpFile()
{
    QFile::remove(BesideExecutable());
    QDir().rmdir(BesideExecutable());
}

// Places `bytes` beside the executable as its help file; a null array places a folder of that name instead.
void PlaceHelpFile(const QByteArray& bytes)
{
    RemoveHelpFile();
    if (bytes.isNull()) {
        QVERIFY(QDir().mkdir(BesideExecutable()));
        return;
    }
    QFile file(BesideExecutable());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray BuiltHelpFile()
{
    QFile file(QStringLiteral(PARLOWEN_HELP_CHM));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        ToolkitScript::Reset();
        RemoveHelpFile();
    }

    void cleanupTestCase() { RemoveHelpFile(); }

    void unusableFileHidesTheButtonSilently_data()
    {
        QTest::addColumn<bool>("placed");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("empty") << true << QByteArray("");
        QTest::newRow("text") << true << QByteArray("This is not a help file.\n");
        QTest::newRow("a folder of that name") << true << QByteArray();
    }

    void unusableFileHidesTheButtonSilently()
    {
        QFETCH(bool, placed);
        QFETCH(QByteArray, bytes);
        if (placed)
            PlaceHelpFile(bytes);
        TMainForm form(nullptr, &noController);
        QVERIFY(form.HelpButton->isHidden());
        QCOMPARE(form.HelpFilePath, BesideExecutable());
        QVERIFY(HelpWindows().isEmpty());
        // Everything else behaves as before: the defaults are shown, and closing asks nothing.
        QCOMPARE(Control<QLineEdit>(form, QStringLiteral("DeviceNameEdit"))->text(), QStringLiteral("QUILMOX"));
        QVERIFY(form.close());
        QVERIFY(ToolkitScript::AskedBoxes().isEmpty());
    }

    void helpButtonShowsOneHelpWindow()
    {
        PlaceHelpFile(BuiltHelpFile());
        TMainForm form(nullptr, &noController);
        form.show();
        QVERIFY(!form.HelpButton->isHidden());
        QVERIFY(HelpWindows().isEmpty());

        QTest::mouseClick(form.HelpButton, Qt::LeftButton);
        QCOMPARE(HelpWindows().size(), 1);
        THelpViewer* viewer = HelpWindows().first();
        const QUrl startPage(QStringLiteral("chm:/index.htm"));
        QCOMPARE(viewer->Browser()->source(), startPage);
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("16 digital inputs and 16 outputs")));
        QVERIFY(viewer->parentWidget() == nullptr); // not owned by the main window

        // Away from the start page and hidden, then a second click: the same window, back on the start page.
        QVERIFY(viewer->ShowTopic(QStringLiteral("/messages.htm")));
        viewer->hide();
        QTest::mouseClick(form.HelpButton, Qt::LeftButton);
        QCOMPARE(HelpWindows(), QList<THelpViewer*> { viewer });
        QCOMPARE(viewer->Browser()->source(), startPage);

        // An edit, then Cancel at the close question: the help stays. No closes both windows.
        Control<QLineEdit>(form, QStringLiteral("DeviceNameEdit"))->setText(QStringLiteral("Pump house"));
        ToolkitScript::SetNextAnswer(mrCancel);
        QVERIFY(!form.close());
        QCOMPARE(HelpWindows().size(), 1);
        ToolkitScript::SetNextAnswer(mrNo);
        QPointer<THelpViewer> watched(viewer);
        QVERIFY(form.close());
        QTRY_VERIFY(!watched || !watched->isVisible());
        QVERIFY(HelpWindows().isEmpty());
    }

    void worksFromAnotherWorkingDirectory()
    {
        PlaceHelpFile(BuiltHelpFile());
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        {
            TMainForm form(nullptr, &noController);
            QVERIFY(!form.HelpButton->isHidden());
            QTest::mouseClick(form.HelpButton, Qt::LeftButton);
            QCOMPARE(HelpWindows().size(), 1);
            QVERIFY(!HelpWindows().first()->Browser()->toPlainText().isEmpty());
            QVERIFY(form.close());
        }
        QVERIFY(QDir::setCurrent(before));
    }
};

QTEST_MAIN(TestMainHelp)
#include "test_MainHelp.moc"
