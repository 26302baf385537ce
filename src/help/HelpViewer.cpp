// The help window's layout and its navigation: contents, index and search tabs, back and forward through the
// browser's history.
#include "help/HelpViewer.h"

#include "help/ChmFile.h"
#include "help/HelpBrowser.h"
#include "help/HelpSearch.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kTopicRole = Qt::UserRole;
// Room for the window pictures at their own size beside the contents.
constexpr int kPageWidth = 880;
constexpr int kHeight = 720;
} // namespace

THelpViewer::THelpViewer(std::shared_ptr<const TChmFile> chm, QWidget* parent)
    : QWidget(parent)
    , m_chm(std::move(chm))
{
    setObjectName(QStringLiteral("HelpViewer"));
    const QString title = m_chm && !m_chm->Title().isEmpty() ? m_chm->Title() : tr("QUILMOX Parlowen Help");
    setWindowTitle(title);

    m_backButton = new QPushButton(tr("Back"), this);
    m_backButton->setObjectName(QStringLiteral("HelpBackButton"));
    m_backButton->setEnabled(false);
    m_forwardButton = new QPushButton(tr("Forward"), this);
    m_forwardButton->setObjectName(QStringLiteral("HelpForwardButton"));
    m_forwardButton->setEnabled(false);
    m_homeButton = new QPushButton(tr("Home"), this);
    m_homeButton->setObjectName(QStringLiteral("HelpHomeButton"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("HelpStatusLabel"));
    m_status->setAccessibleName(tr("Help status"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_backButton);
    buttons->addWidget(m_forwardButton);
    buttons->addWidget(m_homeButton);
    buttons->addWidget(m_status, 1);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("HelpContentsTree"));
    m_tree->setAccessibleName(tr("Help contents"));
    m_tree->setHeaderHidden(true);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("HelpTabs"));
    m_tabs->setAccessibleName(tr("Help navigation"));
    m_tabs->addTab(m_tree, tr("Contents"));
    m_tabs->addTab(BuildIndexTab(), tr("Index"));
    m_tabs->addTab(BuildSearchTab(), tr("Search"));
    m_browser = new THelpBrowser(m_chm, this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setAccessibleName(tr("Help topic"));

    if (m_chm) {
        AddTopics(nullptr, m_chm->Contents());
        AddIndexEntries(QString(), m_chm->Index());
    }
    m_tree->expandAll();
    // As wide as the longest title, so that the contents pane never cuts one (the tree's own hint is protected).
    const QAbstractItemView* contents = m_tree;
    m_tree->setMinimumWidth(contents->sizeHintForColumn(0) + 2 * m_tree->frameWidth()
        + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_tree));

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setCollapsible(0, false);
    splitter->setStretchFactor(1, 1);
    // Wide enough for the three tabs side by side too, whatever their captions' language.
    const int contentsWidth = std::max(m_tabs->minimumSizeHint().width(), m_tabs->tabBar()->sizeHint().width());
    splitter->setSizes({ contentsWidth, kPageWidth });
    resize(contentsWidth + kPageWidth, kHeight);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(m_backButton, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forwardButton, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_homeButton, &QPushButton::clicked, this, &THelpViewer::ShowDefaultTopic);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_backButton, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forwardButton, &QWidget::setEnabled);
    // The address comes with the signal: source() still holds the previous page while it is emitted.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        ShowStatus(QString());
        SelectTopic(url);
        m_browser->setExtraSelections({});
    });
    connect(m_browser, &THelpBrowser::ExternalLinkActivated, this,
        [this](const QUrl& url) { ShowStatus(tr("Not opened in the help window: %1").arg(url.toDisplayString())); });
    connect(m_browser, &THelpBrowser::MissingTopic, this, [this](const QUrl& url) {
        ShowStatus(tr("This help file has no page %1").arg(THelpBrowser::ObjectPath(url)));
    });
    const auto showTreeTopic = [this](QTreeWidgetItem* item) {
        const QString topic = item->data(0, kTopicRole).toString();
        if (!topic.isEmpty())
            ShowTopic(topic);
    };
    connect(m_tree, &QTreeWidget::itemActivated, this, showTreeTopic);
    connect(m_tree, &QTreeWidget::itemClicked, this, showTreeTopic);
}

THelpViewer::~THelpViewer() = default;

QWidget* THelpViewer::BuildIndexTab()
{
    auto* page = new QWidget(this);
    m_indexEdit = new QLineEdit(page);
    m_indexEdit->setObjectName(QStringLiteral("HelpIndexEdit"));
    m_indexEdit->setAccessibleName(tr("Index keyword"));
    m_indexEdit->setPlaceholderText(tr("Type a keyword"));
    m_indexList = new QListWidget(page);
    m_indexList->setObjectName(QStringLiteral("HelpIndexList"));
    m_indexList->setAccessibleName(tr("Index entries"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_indexEdit);
    layout->addWidget(m_indexList, 1);
    connect(m_indexEdit, &QLineEdit::textChanged, this, &THelpViewer::FilterIndex);
    connect(m_indexEdit, &QLineEdit::returnPressed, this, [this] { ShowItemTopic(m_indexList->currentItem()); });
    connect(m_indexList, &QListWidget::itemActivated, this, &THelpViewer::ShowItemTopic);
    return page;
}

QWidget* THelpViewer::BuildSearchTab()
{
    auto* page = new QWidget(this);
    m_searchEdit = new QLineEdit(page);
    m_searchEdit->setObjectName(QStringLiteral("HelpSearchEdit"));
    m_searchEdit->setAccessibleName(tr("Search words"));
    m_searchEdit->setPlaceholderText(tr("Words to search for"));
    auto* button = new QPushButton(tr("List Topics"), page);
    button->setObjectName(QStringLiteral("HelpSearchButton"));
    auto* summary = new QLabel(page);
    summary->setObjectName(QStringLiteral("HelpSearchSummary"));
    m_searchResults = new QListWidget(page);
    m_searchResults->setObjectName(QStringLiteral("HelpSearchResults"));
    m_searchResults->setAccessibleName(tr("Search results"));
    auto* query = new QHBoxLayout;
    query->addWidget(m_searchEdit, 1);
    query->addWidget(button);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(query);
    layout->addWidget(summary);
    layout->addWidget(m_searchResults, 1);
    const auto search = [this, summary] {
        Search();
        summary->setText(m_searchWords.isEmpty() ? QString() : tr("Topics found: %1").arg(m_searchResults->count()));
    };
    connect(m_searchEdit, &QLineEdit::returnPressed, this, search);
    connect(button, &QPushButton::clicked, this, search);
    connect(m_searchResults, &QListWidget::itemActivated, this, &THelpViewer::ShowSearchResult);
    return page;
}

void THelpViewer::ShowDefaultTopic()
{
    if (m_chm)
        ShowTopic(m_chm->DefaultTopic());
}

bool THelpViewer::ShowTopic(const QString& objectPath)
{
    if (!m_chm || !m_chm->Contains(TChmFile::WithoutAnchor(objectPath))) {
        ShowStatus(tr("This help file has no page %1").arg(objectPath));
        return false;
    }
    // A click and an activation of the same tree item arrive both; the page is entered in the history once.
    const QUrl url = THelpBrowser::TopicUrl(objectPath);
    if (url != m_browser->source())
        m_browser->setSource(url);
    return true;
}

void THelpViewer::ShowUnreadableFile(const QString& path)
{
    m_tabs->setEnabled(false);
    m_homeButton->setEnabled(false);
    m_browser->setHtml(QStringLiteral("<h1>%1</h1><p>%2</p>")
                           .arg(tr("Help cannot be shown"),
                               tr("The help file %1 is damaged: its pages cannot be read. Installing the tool again "
                                  "restores it.")
                                   .arg(QDir::toNativeSeparators(path).toHtmlEscaped())));
}

void THelpViewer::PlaceOver(const QWidget* over)
{
    winId(); // the platform window knows the size of its frame, where the platform can tell it at all
    const QSize frameExtra = frameGeometry().size() - size();
    const QRect screen = over->screen()->availableGeometry();
    QRect frame(QPoint(), (size() + frameExtra).boundedTo(screen.size()));
    frame.moveCenter(over->frameGeometry().center());
    // Near the screen's edge the window moves in rather than losing its title bar.
    frame.moveTo(std::clamp(frame.left(), screen.left(), screen.right() - frame.width() + 1),
        std::clamp(frame.top(), screen.top(), screen.bottom() - frame.height() + 1));
    resize(frame.size() - frameExtra);
    move(frame.topLeft());
}

void THelpViewer::AddTopics(QTreeWidgetItem* parent, const QList<TChmTopic>& topics)
{
    for (const TChmTopic& topic : topics) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, topic.Name);
        item->setData(0, kTopicRole, topic.Local);
        AddTopics(item, topic.Children);
    }
}

// A sub-entry of the index is listed after its entry as "Entry, sub-entry", so that filtering finds either.
void THelpViewer::AddIndexEntries(const QString& prefix, const QList<TChmTopic>& entries)
{
    for (const TChmTopic& entry : entries) {
        const QString name = prefix.isEmpty() ? entry.Name : prefix + QStringLiteral(", ") + entry.Name;
        auto* item = new QListWidgetItem(name, m_indexList);
        item->setData(kTopicRole, entry.Local);
        AddIndexEntries(name, entry.Children);
    }
}

// Leaves the entries that hold the typed text; the current one, which Enter shows, is the first that begins with
// it, or else the first that holds it.
void THelpViewer::FilterIndex(const QString& text)
{
    const QString typed = text.trimmed();
    QListWidgetItem* best = nullptr;
    for (int row = 0; row < m_indexList->count(); ++row) {
        QListWidgetItem* item = m_indexList->item(row);
        const bool holds = item->text().contains(typed, Qt::CaseInsensitive);
        item->setHidden(!holds);
        const bool begins = holds && item->text().startsWith(typed, Qt::CaseInsensitive);
        if (holds && (!best || (begins && !best->text().startsWith(typed, Qt::CaseInsensitive))))
            best = item;
    }
    m_indexList->setCurrentItem(best);
}

// A keyword that only heads others has no page of its own and shows nothing.
void THelpViewer::ShowItemTopic(const QListWidgetItem* item)
{
    if (item && !item->data(kTopicRole).toString().isEmpty())
        ShowTopic(item->data(kTopicRole).toString());
}

void THelpViewer::Search()
{
    if (!m_search) {
        m_search = std::make_unique<THelpSearch>();
        if (m_chm)
            m_search->AddTopics(*m_chm);
    }
    m_searchWords = THelpSearch::Words(m_searchEdit->text());
    m_searchResults->clear();
    for (const THelpSearchHit& hit : m_search->Find(m_searchEdit->text())) {
        auto* item = new QListWidgetItem(hit.Title, m_searchResults);
        item->setData(kTopicRole, hit.Topic);
    }
    m_searchResults->setCurrentRow(0);
}

void THelpViewer::ShowSearchResult(const QListWidgetItem* item)
{
    if (item && ShowTopic(item->data(kTopicRole).toString()))
        Highlight(m_searchWords);
}

// Marks every word of the page that a search word begins, as the search counted them.
void THelpViewer::Highlight(const QStringList& words)
{
    QTextCharFormat marked;
    marked.setBackground(QColor(0xff, 0xe0, 0x40));
    marked.setForeground(Qt::black);
    QList<QTextEdit::ExtraSelection> selections;
    for (const QString& word : words) {
        const QRegularExpression pattern(
            QStringLiteral("(?<![\\p{L}\\p{N}])%1[\\p{L}\\p{N}]*").arg(QRegularExpression::escape(word)),
            QRegularExpression::CaseInsensitiveOption);
        const QTextDocument* document = m_browser->document();
        for (QTextCursor hit = document->find(pattern); !hit.isNull(); hit = document->find(pattern, hit))
            selections.append({ hit, marked });
    }
    m_browser->setExtraSelections(selections);
    // The first mark is brought near the top: a page's pictures can push every one of them below the fold.
    if (!selections.isEmpty()) {
        QScrollBar* bar = m_browser->verticalScrollBar();
        const int top = m_browser->cursorRect(selections.first().cursor).top();
        bar->setValue(bar->value() + top - m_browser->viewport()->height() / 4);
    }
}

// Keeps the tree in step with the page on show, whichever way it was reached.
void THelpViewer::SelectTopic(const QUrl& url)
{
    const QString current = THelpBrowser::ObjectPath(url);
    QTreeWidgetItem* match = nullptr;
    for (QTreeWidgetItemIterator it(m_tree); *it && !match; ++it) {
        const QString topic = TChmFile::WithoutAnchor((*it)->data(0, kTopicRole).toString());
        if (topic.compare(current, Qt::CaseInsensitive) == 0)
            match = *it;
    }
    const QSignalBlocker blocker(m_tree);
    if (match) {
        m_tree->setCurrentItem(match);
        m_tree->scrollToItem(match);
    } else {
        m_tree->clearSelection();
    }
}

void THelpViewer::ShowStatus(const QString& text)
{
    m_status->setText(text);
}
