// The help window: navigated through its links, contents and history, drawn from the help file alone, kept away
// from anything outside it, and closed with its file released.
#include "help/HelpBrowser.h"
#include "help/HelpSystem.h"
#include "help/HelpViewer.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kHelpFile = QStringLiteral(PARLOWEN_HELP_CHM);
const QUrl kStartPage(QStringLiteral("chm:/index.htm"));

// Opens the built help and shows its window, as the Help button does.
THelpViewer* ShowHelp(THelpSystem& help)
{
    if (!help.Initialize(kHelpFile))
        return nullptr;
    help.DisplayTopic();
    return qobject_cast<THelpViewer*>(help.Window());
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
    void linksHistoryAndContentsNavigate();
    void imagesAndStyleSheetComeFromTheFile();
    void externalAndMissingLinksStayOutside_data();
    void externalAndMissingLinksStayOutside();
    void closeAllClosesTheWindowAndReleasesTheFile();
};

void TestHelpSystem::linksHistoryAndContentsNavigate()
{
    THelpSystem help;
    THelpViewer* viewer = ShowHelp(help);
    QVERIFY(viewer);
    THelpBrowser* browser = viewer->Browser();
    QTreeWidget* tree = viewer->ContentsTree();
    auto* back = viewer->findChild<QPushButton*>(QStringLiteral("HelpBackButton"));
    auto* forward = viewer->findChild<QPushButton*>(QStringLiteral("HelpForwardButton"));
    auto* home = viewer->findChild<QPushButton*>(QStringLiteral("HelpHomeButton"));
    QVERIFY(back && forward && home);
    QVERIFY(!back->isEnabled());
    QCOMPARE(tree->currentItem(), TreeItem(tree, QStringLiteral("QUILMOX Parlowen configuration tool")));

    const QUrl messages(QStringLiteral("chm:/messages.htm"));
    QVERIFY(ClickLink(browser, QStringLiteral("Messages and what to do about them")));
    QTRY_COMPARE(browser->source(), messages);
    QCOMPARE(browser->documentTitle(), QStringLiteral("Messages and what to do about them"));
    QTest::mouseClick(back, Qt::LeftButton);
    QTRY_COMPARE(browser->source(), kStartPage);
    QTest::mouseClick(forward, Qt::LeftButton);
    QTRY_COMPARE(browser->source(), messages);
    QTest::mouseClick(home, Qt::LeftButton);
    QTRY_COMPARE(browser->source(), kStartPage);

    // A link into another topic with an anchor: the anchor is part of the address on show.
    QVERIFY(viewer->ShowTopic(QStringLiteral("/settings-files.htm")));
    QVERIFY(ClickLink(browser, QStringLiteral("\"Error Saving File.\"")));
    QTRY_COMPARE(browser->source(), QUrl(QStringLiteral("chm:/messages.htm#error-saving")));
    QVERIFY(browser->verticalScrollBar()->value() > 0);

    // The contents lead to their topic, and a topic reached by other means is marked in them.
    QTreeWidgetItem* signal = TreeItem(tree, QStringLiteral("Signal strength"));
    QVERIFY(signal != nullptr);
    tree->scrollToItem(signal);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(signal).center());
    QTRY_COMPARE(browser->source(), QUrl(QStringLiteral("chm:/signal-strength.htm")));
    QVERIFY(viewer->ShowTopic(QStringLiteral("/io-control.htm")));
    QCOMPARE(tree->currentItem(), TreeItem(tree, QStringLiteral("I/O Control")));
}

void TestHelpSystem::imagesAndStyleSheetComeFromTheFile()
{
    THelpSystem help;
    THelpViewer* viewer = ShowHelp(help);
    QVERIFY(viewer);
    THelpBrowser* browser = viewer->Browser();
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
    THelpViewer* viewer = ShowHelp(help);
    QVERIFY(viewer);
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
    QPointer<QWidget> window = ShowHelp(help);
    QVERIFY(!window.isNull());
    QVERIFY(ProcessHoldsFile(kHelpFile));

    help.CloseAll();
    QVERIFY(window.isNull());
    QVERIFY(help.Window() == nullptr);
    QVERIFY(!help.IsAvailable());
    QVERIFY(!ProcessHoldsFile(kHelpFile));
    // Closed for good: a late Help click opens nothing.
    help.DisplayTopic();
    QVERIFY(help.Window() == nullptr);
}

QTEST_MAIN(TestHelpSystem)
#include "test_HelpSystem.moc"
