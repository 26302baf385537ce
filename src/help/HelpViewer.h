// The help window: the help file's contents, index and full-text search in tabs beside the page on show, with
// back, forward and home. A top-level window of its own; the main window neither owns it nor waits for it.
#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TChmFile;
class THelpBrowser;
class THelpSearch;
struct TChmTopic;

class THelpViewer : public QWidget
{
    Q_OBJECT

public:
    // `chm` is a loaded file, or null for a window that can only say why there is no help.
    explicit THelpViewer(std::shared_ptr<const TChmFile> chm, QWidget* parent = nullptr);
    ~THelpViewer() override;

    void ShowDefaultTopic();
    // Shows an object of the file ("/outputs.htm#pulse"); false, and the page on show kept, when it is missing.
    bool ShowTopic(const QString& objectPath);
    // Shows, in place of any topic, that the file at `path` cannot be read.
    void ShowUnreadableFile(const QString& path);
    // Centres the window on `over`, kept inside the screen `over` stands on.
    void PlaceOver(const QWidget* over);

    THelpBrowser* Browser() const { return m_browser; }
    QTreeWidget* ContentsTree() const { return m_tree; }

private:
    QWidget* BuildIndexTab();
    QWidget* BuildSearchTab();
    void AddTopics(QTreeWidgetItem* parent, const QList<TChmTopic>& topics);
    void AddIndexEntries(const QString& prefix, const QList<TChmTopic>& entries);
    void FilterIndex(const QString& text);
    void ShowItemTopic(const QListWidgetItem* item);
    void Search();
    void ShowSearchResult(const QListWidgetItem* item);
    void Highlight(const QStringList& words);
    void SelectTopic(const QUrl& url);
    void ShowStatus(const QString& text);

    std::shared_ptr<const TChmFile> m_chm;
    std::unique_ptr<THelpSearch> m_search; // built on the first search
    QStringList m_searchWords;
    THelpBrowser* m_browser = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_tree = nullptr;
    QLineEdit* m_indexEdit = nullptr;
    QListWidget* m_indexList = nullptr;
    QLineEdit* m_searchEdit = nullptr;
    QListWidget* m_searchResults = nullptr;
    QPushButton* m_backButton = nullptr;
    QPushButton* m_forwardButton = nullptr;
    QPushButton* m_homeButton = nullptr;
    QLabel* m_status = nullptr;
};
