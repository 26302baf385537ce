// Read access to a compiled HTML help file (CHM) through chmlib: its objects, its default topic and title, and
// its contents and index sitemaps as trees. Open checks only what says the file is a help file, quickly enough for
// the tool's start-up; Load checks the rest before anything is shown, so a damaged file never reaches the viewer.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct chmFile;

// One entry of a contents or index sitemap. Local is the object path inside the file ("/intro.htm", possibly
// with "#anchor"); empty for a heading without a page of its own.
struct TChmTopic
{
    QString Name;
    QString Local;
    QList<TChmTopic> Children;
};

class TChmFile
{
public:
    TChmFile() = default;
    ~TChmFile();
    TChmFile(const TChmFile&) = delete;
    TChmFile& operator=(const TChmFile&) = delete;

    // Opens the file and checks its headers, its directory, the extents of its stored sections and its default
    // topic; false (and closed) for a missing, foreign or truncated file. Reads no topic.
    bool Open(const QString& path);
    // Reads every object of the open file once and parses the contents and index; false for damage that only
    // reading shows.
    bool Load();
    void Close();
    bool IsOpen() const { return m_handle != nullptr; }
    QString FilePath() const { return m_path; }

    // Object paths are absolute inside the file ("/intro.htm", "/#SYSTEM"); a missing leading '/' is added.
    bool Contains(const QString& objectPath) const;
    std::optional<QByteArray> Read(const QString& objectPath) const;
    QStringList Objects() const { return m_objects; }

    QString DefaultTopic() const { return m_defaultTopic; }
    QString Title() const { return m_title; }
    QString ContentsPath() const { return m_contentsPath; }
    QString IndexPath() const { return m_indexPath; }
    QList<TChmTopic> Contents() const { return m_contents; }
    QList<TChmTopic> Index() const { return m_index; }

    // Parses an HTML sitemap (.hhc or .hhk) into a tree; Local values are made absolute object paths.
    static QList<TChmTopic> ParseSitemap(const QByteArray& html);
    static QString NormalisePath(const QString& objectPath);
    // A topic reference ("/outputs.htm#pulse") without its anchor: the object that holds the topic.
    static QString WithoutAnchor(const QString& topic);

private:
    bool ReadSystem();

    chmFile* m_handle = nullptr;
    QString m_path;
    QStringList m_objects;
    QString m_defaultTopic;
    QString m_title;
    QString m_contentsPath;
    QString m_indexPath;
    QList<TChmTopic> m_contents;
    QList<TChmTopic> m_index;
};
