// Help against the help file that the build compiles: everything it refers to resolves inside it; its window opens
// over the main window and is navigated through links, history, contents, index and search, never leaving the
// file; damaged files are refused at start-up or explained in the window.
#include "TestSupport.h"
#include "help/ChmFile.h"
#include "help/HelpBrowser.h"
#include "help/HelpSystem.h"
#include "help/HelpViewer.h"

#include <QtTest>
#include <QtWidgets>

namespace {

THelpViewer* ShowHelp(THelpSystem& help, QWidget* over = nullptr, const QString& file = PARLOWEN_HELP_CHM)
{
    if (help.Initialize(file))
        help.DisplayTopic(over);
    return qobject_cast<THelpViewer*>(help.Window());
}

QStringList Matches(const QString& pattern, const QString& text)
{
    QStringList matches;
    for (const auto& match : QRegularExpression(pattern).globalMatch(text))
        matches << match.captured(match.lastCapturedIndex());
    return matches;
}

} // namespace

class TestHelpSystem : public QObject
{
    Q_OBJECT

private slots:
    // Every help system of a test has ended by now, and taken its window with it.
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void builtHelpResolvesInItself()
    {
        TChmFile chm;
        // Start-up parses no sitemap; the first show reads the rest.
        QVERIFY(chm.Open(QStringLiteral(PARLOWEN_HELP_CHM)));
        QVERIFY(chm.Contents().isEmpty() && chm.Load());
        // Every link and picture of the pages, every entry of the contents and index, resolves inside the file.
        const auto resolves = [&](const QString& from, const QString& link) {
            const QUrl url = QUrl(QStringLiteral("chm:") + from).resolved(QUrl(link));
            const auto target = chm.Read(url.path());
            if (url.scheme() != QLatin1String("chm"))
                return QStringList { "http", "https", "mailto" }.contains(url.scheme());
            return target && (!url.hasFragment() || target->contains("id=\"" + url.fragment().toUtf8() + '"'));
        };
        int links = 0;
        for (const QString& topic : chm.Objects().filter(QRegularExpression(QStringLiteral("\\.htm$")))) {
            for (const QString& link : Matches(QStringLiteral("(href|src)=\"([^\"]*)\""), *chm.Read(topic)))
                QVERIFY2(resolves(topic, link) && ++links, qPrintable(topic + " -> " + link));
        }
        QList<TChmTopic> entries = chm.Contents() + chm.Index();
        for (int i = 0; i < entries.size(); ++i) {
            const TChmTopic& entry = entries[i];
            QVERIFY2(!entry.Name.isEmpty() && resolves(QStringLiteral("/"), entry.Local), qPrintable(entry.Local));
            entries += QList<TChmTopic>(entry.Children); // a copy: appending may move the entry
        }
        QVERIFY(links > 80 && entries.size() > 60);
    }

    void navigatesByLinksContentsIndexAndSearch()
    {
        QWidget main; // its centre 30 pixels below the screen's
        const QRect screen = main.screen()->availableGeometry();
        main.setGeometry(QRect(screen.center() - QPoint(200, 120), QSize(401, 301)));
        THelpSystem help, atEdge;
        THelpViewer* viewer = ShowHelp(help, &main);
        // Placed over the given window, centred where there is room, else moved onto the screen.
        QVERIFY(viewer && viewer->frameGeometry().center() == main.frameGeometry().center());
        main.move(screen.bottomRight());
        QVERIFY(screen.contains(ShowHelp(atEdge, &main)->frameGeometry()));
        THelpBrowser* browser = viewer->Browser();
        QTreeWidget* tree = viewer->ContentsTree();
        emit browser->anchorClicked(QUrl(QStringLiteral("messages.htm#error-saving")));
        QCOMPARE(browser->source(), QUrl("chm:/messages.htm#error-saving"));
        QTest::mouseClick(viewer->findChild<QPushButton*>("HelpBackButton"), Qt::LeftButton);
        QCOMPARE(browser->source(), QUrl("chm:/index.htm"));
        QTest::mouseClick(viewer->findChild<QPushButton*>("HelpForwardButton"), Qt::LeftButton);
        QCOMPARE(browser->source(), QUrl("chm:/messages.htm#error-saving"));
        const QTreeWidgetItem* signal = tree->findItems(QStringLiteral("Signal strength"), Qt::MatchRecursive).value(0);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(signal).center());
        QVERIFY(browser->source().path() == "/signal-strength.htm" && signal->parent() == tree->topLevelItem(0));
        QVERIFY(!viewer->ShowTopic(QStringLiteral("/none.htm")) && browser->source().path() == "/signal-strength.htm");
        // Links out of the file and to pages it lacks leave the page on show and say where they lead.
        for (const QUrl link : QStringList { "http://a.b/p", "mailto:c@a.b", "file:///etc/passwd", "none.htm" }) {
            emit browser->anchorClicked(link);
            QVERIFY(!browser->loadResource(0, link).isValid() && browser->source().path() == "/signal-strength.htm");
            QVERIFY(viewer->findChild<QLabel*>("HelpStatusLabel")->text().contains(link.path()));
        }

        // The index lists the index file's entries; typing leaves those holding the text, and Enter shows the first
        // that begins with it.
        const QStringList entries = Matches(
            QStringLiteral("name=\"Name\" value=\"([^\"]*)\""), ReadFile(PARLOWEN_HELP_SOURCES "/parlowen.hhk"));
        auto* list = viewer->findChild<QListWidget*>("HelpIndexList");
        QTest::keyClicks(viewer->findChild<QLineEdit*>("HelpIndexEdit"), QStringLiteral("OUTPUT\r"));
        QCOMPARE(list->count(), entries.size());
        for (int row = 0; row < list->count(); ++row) {
            QCOMPARE(list->item(row)->text(), entries[row]);
            QCOMPARE(list->item(row)->isHidden(), !entries[row].contains("output", Qt::CaseInsensitive));
        }
        QCOMPARE(browser->source(), QUrl("chm:/io-control.htm#start-status"));
        // The contents mark the topic on show, and are wide enough for their longest title.
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("I/O Control"));
        QVERIFY(tree->columnWidth(0) >= static_cast<QAbstractItemView*>(tree)->sizeHintForColumn(0));
        list->setCurrentItem(list->findItems(QStringLiteral("Outputs 9 - 16"), {}).value(0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(browser->source(), QUrl("chm:/outputs.htm#outputs-9-16"));

        // A search lists the best topic first, a word that one topic alone holds that topic only; the topic
        // shown from the list has every word that a search word begins highlighted, until the page changes.
        auto* search = viewer->findChild<QLineEdit*>("HelpSearchEdit");
        auto* results = viewer->findChild<QListWidget*>("HelpSearchResults");
        for (const auto& [query, title] : { std::pair { "hidraw zebra", "" }, { "Signal Strength", "Signal strength" },
                 { "CYRILLIC", "Page \"Message Control\"" }, { "HIDRAW", "Access to the controller on Linux" } }) {
            search->clear();
            QTest::keyClicks(search, QLatin1String(query) + '\r');
            QCOMPARE(results->item(0) ? results->item(0)->text() : QString(), QLatin1String(title));
        }
        QCOMPARE(results->count(), 1);
        QTest::keyClick(results, Qt::Key_Return);
        QCOMPARE(browser->source(), QUrl("chm:/linux-access.htm"));
        QStringList marked;
        for (const auto& selection : browser->extraSelections())
            marked << selection.cursor.selectedText();
        QCOMPARE(marked, Matches(QStringLiteral("(?i)\\bhidraw\\w*"), browser->toPlainText()));
        QTest::mouseClick(viewer->findChild<QPushButton*>("HelpHomeButton"), Qt::LeftButton);
        QVERIFY(browser->source() == QUrl("chm:/index.htm") && browser->extraSelections().isEmpty());
    }

    // Each row: a damaged copy of the help file, and whether start-up accepts it (so the Help button shows; its
    // window then names the damage). A refused file leaves help usable for a sound one, until help is closed.
    void damagedFilesAreRefusedOrExplained()
    {
        const QByteArray real = ReadFile(PARLOWEN_HELP_CHM);
        const auto changed = [&](int at, const QByteArray& to) { return QByteArray(real).replace(at, to.size(), to); };
        const std::pair<QByteArray, bool> rows[] = { { QByteArray(), false }, { changed(79, "\x7f"), false },
            { changed(95, "\x7f"), false }, // the directory, a stored section past the end
            { real.left(real.size() / 2), false }, { real.chopped(100), false },
            { changed(real.size() / 2, QByteArray(real.size() / 4, 0)), true } }; // compressed topics zeroed
        for (const auto& [bytes, opens] : rows) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("parlowen.chm"));
            QVERIFY(WriteFile(path, bytes));
            THelpSystem help;
            THelpViewer* viewer = ShowHelp(help, nullptr, path);
            QVERIFY(help.IsAvailable() == opens && (viewer != nullptr) == opens && (!viewer || viewer->isVisible()));
            const QString shown = QDir::toNativeSeparators(path); // as the system spells file names
            QVERIFY(!viewer || viewer->Browser()->toPlainText().contains(shown + QStringLiteral(" is damaged")));
            QVERIFY(ShowHelp(help));
            help.CloseAll();
            help.DisplayTopic();
            QVERIFY(!help.IsAvailable() && help.Window() == nullptr);
        }
    }
};

QTEST_MAIN(TestHelpSystem)
#include "test_HelpSystem.moc"
