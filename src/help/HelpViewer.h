// The help window: the contents of the help file as a tree beside the page on show, with back, forward and home.
// A top-level window of its own; the main window neither owns it nor waits for it.
#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TChmFile;
class THelpBrowser;
struct TChmTopic;

class THelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit THelpViewer(std::shared_ptr<const TChmFile> chm, QWidget* parent = nullptr);

    void ShowDefaultTopic();
    // Shows an object of the file ("/outputs.htm#pulse"); false, and the page on show kept, when it is missing.
    bool ShowTopic(const QString& objectPath);

    THelpBrowser* Browser() const { return m_browser; }
    QTreeWidget* ContentsTree() const { return m_tree; }

private:
    void AddTopics(QTreeWidgetItem* parent, const QList<TChmTopic>& topics);
    void SelectTopic(const QUrl& url);
    void ShowStatus(const QString& text);

    std::shared_ptr<const TChmFile> m_chm;
    THelpBrowser* m_browser = nullptr;
    QTreeWidget* m_tree = nullptr;
    QPushButton* m_backButton = nullptr;
    QPushButton* m_forwardButton = nullptr;
    QPushButton* m_homeButton = nullptr;
    QLabel* m_status = nullptr;
};
