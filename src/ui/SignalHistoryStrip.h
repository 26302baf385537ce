// The signal values of the last two minutes as a line against the bar's 0 to 30 scale, the latest value written
// beside it. Values above 30 run along the top edge.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <deque>

struct TSignalSample
{
    qint64 milliseconds; // on the signal window's clock
    int value;
};

class TSignalHistoryStrip : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(TSignalHistoryStrip)

public:
    // `samples` is the signal window's history, oldest first; it outlives the strip.
    TSignalHistoryStrip(const std::deque<TSignalSample>& samples, QWidget* parent);

    // Redraws after the history changed.
    void HistoryChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const std::deque<TSignalSample>& samples;
};
