// The inserted run is found as what lies between the common start and the common end of the two texts.
#include "ui/controls/TypingLimit.h"

#include <algorithm>

int CountAll(const QString& text)
{
    return int(text.size());
}

int CountWithoutLineBreaks(const QString& text)
{
    int count = 0;
    for (const QChar c : text) {
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r') && c != QChar::ParagraphSeparator
            && c != QChar::LineSeparator)
            ++count;
    }
    return count;
}

TFittedEdit FitTyping(const QString& before, const QString& after, int limit, TCountFn counted)
{
    const int allowed = std::max(limit, counted(before));
    if (counted(after) <= allowed)
        return { after, -1 };

    const int shorter = int(std::min(before.size(), after.size()));
    int prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;

    const QString head = after.left(prefix);
    const QString tail = after.right(suffix);
    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    // Both counts go character by character, so the kept run is found in one pass over the insertion.
    int total = counted(head) + counted(tail);
    qsizetype kept = 0;
    for (; kept < inserted.size(); ++kept) {
        const int weight = counted(QString(inserted[kept]));
        if (total + weight > allowed)
            break;
        total += weight;
    }
    return { head + inserted.left(kept) + tail, int(head.size() + kept) };
}
