// The typing limit shared by the edits and the message memo: an edit may not grow beyond its limit, but text
// that code put there longer than the limit stays whole and may still shrink.
#pragma once

#include <QString>

struct TFittedEdit
{
    QString Text;
    int Cursor; // just after the part of the insertion that was kept
};

// `counted` tells how many characters of a text count against the limit.
using TCountFn = int (*)(const QString&);

int CountAll(const QString& text);
// Line breaks are not stored with the message, so they do not count.
int CountWithoutLineBreaks(const QString& text);

// Judges an edit that turned `before` into `after`. When `after` counts no more than `limit`, or no more than
// `before` did, it stands. Otherwise the inserted run is cut so that the result counts the larger of the two.
TFittedEdit FitTyping(const QString& before, const QString& after, int limit, TCountFn counted);
