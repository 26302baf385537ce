// The help as the main window uses it: found or refused at start-up, shown in its own window, navigated through
// its links, contents and history, and closed with its file released.
#include "ui/HelpBrowser.h"
#include "ui/HelpSystem.h"
#include "ui/HelpViewer.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kHelpFile = QStringLiteral(PARLOWEN_HELP_CHM);
const QUrl kStartPage(QStringLiteral("chm:/index.htm"));

THelpViewer* Viewer(const THelpSystem& help)
{
    return qobject_cast<THelpViewer*>(help.Window());
}

int OpenHelpWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<THelpViewer*>(widget) != nullptr && widget->isVisible();
    return count;
}

// Whether this process holds the file open, judged by its open descriptors.
bool ProcessHoldsFile(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return false;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target)
            return true;
    }
    return false;
}

// Clicks the link whose text is `text` on the page on show, as the operator would.
bool ClickLink(THelpBrowser* browser, const QString& text)
{
    QTextCursor cursor = browser->document()->find(text);
    if (cursor.isNull() || !cursor.charFormat().isAnchor())
        return false;
    cursor.setPosition((cursor.selectionStart() + cursor.selectionEnd()) / 2);
    browser->setTextCursor(cursor);
    browser->ensureCursorVisible();
    const QPoint point = browser->cursorRect(cursor).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    return true;
}

QTreeWidgetItem* TreeItem(QTreeWidget* tree, const QString& name)
{
    const auto items = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}

} // namespace

class TestHelpSystem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void linkClickShowsTopicAndBackReturns();
    void anchorLinkScrollsWithinTheTopic();
    void contentsTreeFollowsAndLeads();
    void imagesAndStyleSheetComeFromTheFile();
    void externalAndMissingLinksStayOutside_data();
    void externalAndMissingLinksStayOutside();
    void closeAllClosesTheWindowAndReleasesTheFile();
    void relativePathIsPinnedAtStartUp();

private:
    QString m_startDir;
};

void TestHelpSystem::init()
{
    m_startDir = QDir::currentPath();
}

void TestHelpSystem::cleanup()
{
    QDir::setCurrent(m_startDir);
}

void TestHelpSystem::linkClickShowsTopicAndBackReturns()
{
    THelpSystem help;
    QVERIFY(help.Initialize(kHelpFile));
    help.DisplayTopic();
    THelpViewer* viewer = Viewer(help);
    THelpBrowser* browser = viewer->Browser();
    auto* back = viewer->findChild<QPushButton*>(QStringLiteral("HelpBackButton"));
    auto* forward = viewer->findChild<QPushButton*>(QStringLiteral("HelpForwardButton"));
    auto* home = viewer->findChild<QPushButton*>(QStringLiteral("HelpHomeButton"));
    QVERIFY(back && forward && home);
    QVERIFY(!back->isEnabled());

    QVERIFY(ClickLink(browser, QStringLiteral("Messages and what to do about them")));
    QTRY_COMPARE(browser->source(), QUrl(QStringLiteral("chm:/messages.htm")));
    QCOMPARE(browser->documentTitle(), QStringLiteral("Messages and what to do about them"));
    QVERIFY(back->isEnabled());

    QTest::mouseClick(back, Qt::LeftButton);
    QTRY_COMPARE(browser->source(), kStartPage);
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QTRY_COMPARE(browser->source(), QUrl(QStringLiteral("chm:/messages.htm")));
    QTest::mouseClick(home, Qt::LeftButton);
    QTRY_COMPARE(browser->source(), kStartPage);
}

void TestHelpSystem::anchorLinkScrollsWithinTheTopic()
{
    THelpSystem help;
    QVERIFY(help.Initialize(kHelpFile));
    help.DisplayTopic();
    THelpBrowser* browser = Viewer(help)->Browser();
    QVERIFY(Viewer(help)->ShowTopic(QStringLiteral("/settings-files.htm")));
    // A link into another topic with an anchor, then back: the anchor is part of the address on show.
    QVERIFY(ClickLink(browser, QStringLiteral("\"Error Saving File.\"")));
    QTRY_COMPARE(browser->source(), QUrl(QStringLiteral("chm:/messages.htm#error-saving")));
    QVERIFY(browser->verticalScrollBar()->value() > 0);
    browser->backward();
    QTRY_COMPARE(browser->source(), QUrl(QStringLiteral("chm:/settings-files.htm")));
}

void TestHelpSystem::contentsTreeFollowsAndLeads()
{
    THelpSystem help;
    QVERIFY(help.Initialize(kHelpFile));
    help.DisplayTopic();
    THelpViewer* viewer = Viewer(help);
    QTreeWidget* tree = viewer->ContentsTree();
    QCOMPARE(tree->currentItem(), TreeItem(tree, QStringLiteral("QUILMOX Parlowen configuration tool")));

    QTreeWidgetItem* signal = TreeItem(tree, QStringLiteral("Signal strength"));
    QVERIFY(signal != nullptr);
    tree->scrollToItem(signal);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(signal).center());
    QTRY_COMPARE(viewer->Browser()->source(), QUrl(QStringLiteral("chm:/signal-strength.htm")));

    // Reaching a topic by other means marks it in the tree.
    QVERIFY(viewer->ShowTopic(QStringLiteral("/io-control.htm")));
    QCOMPARE(tree->currentItem(), TreeItem(tree, QStringLiteral("I/O Control")));
}

void TestHelpSystem::imagesAndStyleSheetComeFromTheFile()
{
    THelpSystem help;
    QVERIFY(help.Initialize(kHelpFile));
    help.DisplayTopic();
    THelpBrowser* browser = Viewer(help)->Browser();
    // The start page's image was loaded into the document from the file, not left as a broken reference.
    const QVariant cached
        = browser->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("chm:/images/parlowen.png")));
    QVERIFY(cached.isValid());
    QVERIFY(!browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/none.png"))).isValid());
    // The style sheet took effect: headings carry its colour, which no default would give them.
    const QTextCursor heading = browser->document()->find(QStringLiteral("QUILMOX Parlowen configuration tool"));
    QVERIFY(!heading.isNull());
    QCOMPARE(heading.charFormat().foreground().color(), QColor(0x1f, 0x4e, 0x79));
}

void TestHelpSystem::externalAndMissingLinksStayOutside_data()
{
    QTest::addColumn<QUrl>("link");
    QTest::addColumn<QString>("status");
    QTest::newRow("web") << QUrl(QStringLiteral("http://example.com/parlowen")) << "http://example.com/parlowen";
    QTest::newRow("mail") << QUrl(QStringLiteral("mailto:support@example.com")) << "mailto:support@example.com";
    QTest::newRow("local file") << QUrl(QStringLiteral("file:///etc/passwd")) << "/etc/passwd";
    QTest::newRow("missing topic") << QUrl(QStringLiteral("no-such-page.htm")) << "/no-such-page.htm";
}

void TestHelpSystem::externalAndMissingLinksStayOutside()
{
    QFETCH(QUrl, link);
    QFETCH(QString, status);
    THelpSystem help;
    QVERIFY(help.Initialize(kHelpFile));
    help.DisplayTopic();
    THelpViewer* viewer = Viewer(help);
    THelpBrowser* browser = viewer->Browser();
    const QString text = browser->toPlainText();
    emit browser->anchorClicked(link);
    QCOMPARE(browser->source(), kStartPage);
    QCOMPARE(browser->toPlainText(), text);
    auto* label = viewer->findChild<QLabel*>(QStringLiteral("HelpStatusLabel"));
    QVERIFY(label != nullptr);
    QVERIFY2(label->text().contains(status), qPrintable(label->text()));
    QVERIFY(!browser->loadResource(QTextDocument::HtmlResource, link).isValid());
}

void TestHelpSystem::closeAllClosesTheWindowAndReleasesTheFile()
{
    THelpSystem help;
    QVERIFY(help.Initialize(kHelpFile));
    help.DisplayTopic();
    QPointer<QWidget> window = help.Window();
    QVERIFY(!window.isNull());
    QVERIFY(ProcessHoldsFile(kHelpFile));

    help.CloseAll();
    QVERIFY(window.isNull());
    QVERIFY(help.Window() == nullptr);
    QCOMPARE(OpenHelpWindows(), 0);
    QVERIFY(!help.IsAvailable());
    QVERIFY(!ProcessHoldsFile(kHelpFile));
    // Closed for good: a late Help click opens nothing.
    help.DisplayTopic();
    QVERIFY(help.Window() == nullptr);
}

void TestHelpSystem::relativePathIsPinnedAtStartUp()
{
    QTemporaryDir programDir;
    QTemporaryDir elsewhere;
    QVERIFY(programDir.isValid() && elsewhere.isValid());
    QVERIFY(QFile::copy(kHelpFile, programDir.filePath(QStringLiteral("parlowen.chm"))));

    QVERIFY(QDir::setCurrent(programDir.path()));
    THelpSystem relative;
    QVERIFY(relative.Initialize(QStringLiteral("parlowen.chm")));
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    QVERIFY(!QFile::exists(QStringLiteral("parlowen.chm")));
    relative.DisplayTopic();
    QCOMPARE(Viewer(relative)->Browser()->source(), kStartPage);
    QCOMPARE(Viewer(relative)->Browser()->documentTitle(), QStringLiteral("QUILMOX Parlowen configuration tool"));
}

QTEST_MAIN(TestHelpSystem)
#include "test_HelpSystem.moc"
