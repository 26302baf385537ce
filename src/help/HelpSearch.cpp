// The topics' text is taken the way the help window shows it, through QTextDocument, so that what the search
// counts is what the operator sees highlighted.
#include "help/HelpSearch.h"

#include "help/ChmFile.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace {

// A title match outweighs this many matches in the text.
constexpr int kTitleWeight = 10;

// A document that loads nothing: a page's style sheet and pictures do not matter to its words, and a relative
// reference must not be looked up on disk.
class TTextOnlyDocument : public QTextDocument
{
protected:
    QVariant loadResource(int, const QUrl&) override { return QVariant(); }
};

int Matches(const QStringList& words, const QString& prefix)
{
    return int(
        std::count_if(words.cbegin(), words.cend(), [&](const QString& word) { return word.startsWith(prefix); }));
}

} // namespace

void THelpSearch::AddTopics(const TChmFile& chm)
{
    for (const QString& path : chm.Objects()) {
        if (!path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive)
            && !path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
            continue;
        if (const auto html = chm.Read(path))
            AddTopic(path, *html);
    }
}

void THelpSearch::AddTopic(const QString& objectPath, const QByteArray& html)
{
    TTextOnlyDocument document;
    document.setHtml(QString::fromUtf8(html));
    TTopic topic;
    topic.Path = objectPath;
    topic.Title = document.metaInformation(QTextDocument::DocumentTitle).simplified();
    if (topic.Title.isEmpty())
        topic.Title = objectPath.mid(1);
    topic.TitleWords = Words(topic.Title);
    for (const QString& word : Words(document.toPlainText()))
        ++topic.Counts[word];
    m_topics.append(topic);
}

QList<THelpSearchHit> THelpSearch::Find(const QString& query) const
{
    const QStringList terms = Words(query);
    QList<THelpSearchHit> hits;
    if (terms.isEmpty())
        return hits;
    for (const TTopic& topic : m_topics) {
        int score = 0;
        bool all = true;
        for (const QString& term : terms) {
            int matches = 0;
            for (auto it = topic.Counts.cbegin(); it != topic.Counts.cend(); ++it) {
                if (it.key().startsWith(term))
                    matches += it.value();
            }
            const int inTitle = Matches(topic.TitleWords, term);
            all = all && matches + inTitle > 0;
            score += matches + kTitleWeight * inTitle;
        }
        if (all)
            hits.append({ topic.Path, topic.Title, score });
    }
    std::stable_sort(hits.begin(), hits.end(), [](const THelpSearchHit& a, const THelpSearchHit& b) {
        return a.Score != b.Score ? a.Score > b.Score : a.Title.localeAwareCompare(b.Title) < 0;
    });
    return hits;
}

QStringList THelpSearch::Words(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+"));
    QStringList words;
    auto it = word.globalMatch(text);
    while (it.hasNext())
        words.append(it.next().captured().toCaseFolded());
    return words;
}
