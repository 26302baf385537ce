// The help window's layout and its navigation: contents tree, back and forward through the browser's history.
#include "help/HelpViewer.h"

#include "help/ChmFile.h"
#include "help/HelpBrowser.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kTopicRole = Qt::UserRole;
}

THelpViewer::THelpViewer(std::shared_ptr<const TChmFile> chm, QWidget* parent)
    : QWidget(parent)
    , m_chm(std::move(chm))
{
    setObjectName(QStringLiteral("HelpViewer"));
    const QString title = m_chm && !m_chm->Title().isEmpty() ? m_chm->Title() : QStringLiteral("QUILMOX Parlowen Help");
    setWindowTitle(title);
    resize(1120, 720); // room for the window pictures at their own size beside the contents

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
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_backButton);
    buttons->addWidget(m_forwardButton);
    buttons->addWidget(m_homeButton);
    buttons->addWidget(m_status, 1);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("HelpContentsTree"));
    m_tree->setHeaderHidden(true);
    m_browser = new THelpBrowser(m_chm, this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 240, 880 });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    if (m_chm)
        AddTopics(nullptr, m_chm->Contents());
    m_tree->expandAll();

    connect(m_backButton, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forwardButton, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_homeButton, &QPushButton::clicked, this, &THelpViewer::ShowDefaultTopic);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_backButton, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forwardButton, &QWidget::setEnabled);
    // The address comes with the signal: source() still holds the previous page while it is emitted.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        ShowStatus(QString());
        SelectTopic(url);
    });
    connect(m_browser, &THelpBrowser::ExternalLinkActivated, this,
        [this](const QUrl& url) { ShowStatus(tr("Not opened in the help window: %1").arg(url.toDisplayString())); });
    connect(m_browser, &THelpBrowser::MissingTopic, this, [this](const QUrl& url) {
        ShowStatus(tr("This help file has no page %1").arg(THelpBrowser::ObjectPath(url)));
    });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString topic = item->data(0, kTopicRole).toString();
        if (!topic.isEmpty())
            ShowTopic(topic);
    });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString topic = item->data(0, kTopicRole).toString();
        if (!topic.isEmpty())
            ShowTopic(topic);
    });
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

void THelpViewer::AddTopics(QTreeWidgetItem* parent, const QList<TChmTopic>& topics)
{
    for (const TChmTopic& topic : topics) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, topic.Name);
        item->setData(0, kTopicRole, topic.Local);
        AddTopics(item, topic.Children);
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
