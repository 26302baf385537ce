// The text pane of the help window: a QTextBrowser whose pages, style sheets and images come out of the CHM file.
#pragma once

#include <QTextBrowser>
#include <memory>

class TChmFile;

class THelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit THelpBrowser(std::shared_ptr<const TChmFile> chm, QWidget* parent = nullptr);

    // The address of an object inside the file, as the browser's source holds it: "chm:/intro.htm#anchor".
    static QUrl TopicUrl(const QString& objectPath);
    // The object path of such an address, without its anchor; empty for an address of another scheme.
    static QString ObjectPath(const QUrl& url);
    static bool IsExternal(const QUrl& url);

    QVariant loadResource(int type, const QUrl& name) override;

signals:
    // A link that leaves the help file (http:, mailto: ...); it is never opened inside the help window.
    void ExternalLinkActivated(const QUrl& url);
    // A link to a page that the file does not hold.
    void MissingTopic(const QUrl& url);

private:
    void FollowLink(const QUrl& url);

    std::shared_ptr<const TChmFile> m_chm;
};
