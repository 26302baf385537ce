// Full-text search over the topics of a help file: each topic's words are counted once, and a query lists the
// topics that hold all of its words, the best first.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class TChmFile;

struct THelpSearchHit
{
    QString Topic; // the object path, "/outputs.htm"
    QString Title;
    int Score = 0;
};

class THelpSearch
{
public:
    // Adds every page (.htm, .html) of an open file.
    void AddTopics(const TChmFile& chm);
    void AddTopic(const QString& objectPath, const QByteArray& html);

    // A query word matches every word that begins with it, in any case. A topic is listed when it holds every
    // word of the query; it ranks by its matches, one in the title counting as many in the text.
    QList<THelpSearchHit> Find(const QString& query) const;

    // The words of a text as the search sees them: runs of letters and digits, case-folded.
    static QStringList Words(const QString& text);

private:
    struct TTopic
    {
        QString Path;
        QString Title;
        QHash<QString, int> Counts;
        QStringList TitleWords;
    };

    QList<TTopic> m_topics;
};
