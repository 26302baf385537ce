// Links are followed here rather than by QTextBrowser itself, so that nothing outside the help file is ever loaded
// into the window and a link to a missing page leaves the current page on show.
#include "help/HelpBrowser.h"

#include "help/ChmFile.h"

namespace {
const QString kScheme = QStringLiteral("chm");
}

THelpBrowser::THelpBrowser(std::shared_ptr<const TChmFile> chm, QWidget* parent)
    : QTextBrowser(parent)
    , m_chm(std::move(chm))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &THelpBrowser::FollowLink);
}

QUrl THelpBrowser::TopicUrl(const QString& objectPath)
{
    const QString path = TChmFile::NormalisePath(objectPath);
    // Topic references carry their anchor after '#'; object names of topics never hold one.
    const qsizetype anchor = path.indexOf(QLatin1Char('#'));
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(anchor >= 0 ? path.left(anchor) : path);
    if (anchor >= 0)
        url.setFragment(path.mid(anchor + 1));
    return url;
}

QString THelpBrowser::ObjectPath(const QUrl& url)
{
    if (url.scheme() != kScheme)
        return QString();
    return TChmFile::NormalisePath(url.path());
}

bool THelpBrowser::IsExternal(const QUrl& url)
{
    return !url.scheme().isEmpty() && url.scheme() != kScheme;
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    // Relative references inside a page arrive resolved against the page's own chm: address.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (IsExternal(url) || !m_chm)
        return QVariant();
    const auto data = m_chm->Read(ObjectPath(url));
    if (!data)
        return QVariant();
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(*data);
    return *data;
}

void THelpBrowser::FollowLink(const QUrl& link)
{
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (IsExternal(url)) {
        emit ExternalLinkActivated(url);
        return;
    }
    // An anchor within the page on show needs no reload.
    if (url.adjusted(QUrl::RemoveFragment) == source().adjusted(QUrl::RemoveFragment)) {
        setSource(url);
        return;
    }
    if (!m_chm || !m_chm->Contains(ObjectPath(url))) {
        emit MissingTopic(url);
        return;
    }
    setSource(url);
}
