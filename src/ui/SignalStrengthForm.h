// The signal strength window: the GSM signal strength the controller reported, as a bar from 0 to 30, and, for
// placing the antenna, a repeated query with the last two minutes of values drawn under the bar.
#pragma once

#include "ui/SignalHistoryStrip.h"

#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class QCheckBox;
class QProgressBar;
class QPushButton;

constexpr int kSignalMaximum = 30; // the bar's scale ends here
constexpr int kSignalHistoryMs = 2 * 60 * 1000; // what the history strip shows
constexpr int kRefreshIntervalMs = 2000; // Keep refreshing asks this often

class TSignalStrengthForm : public QWidget
{
    Q_OBJECT

public:
    explicit TSignalStrengthForm(QWidget* parent = nullptr);

    // Shows the value on the bar and adds it to the history; the window itself stays as it is.
    void ShowSignalStrength(int value);
    // Another controller answered: its values start a new history.
    void ClearHistory();
    // Unchecks Keep refreshing, which stops the timer.
    void StopRefreshing();

    // Tests take a shorter interval and their own clock (milliseconds, never decreasing).
    void SetRefreshInterval(int milliseconds) { m_refreshTimer.setInterval(milliseconds); }
    void SetClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    const std::deque<TSignalSample>& History() const { return m_history; }

    QProgressBar* SignalStrenthAdvSmoothProgressBar = nullptr;
    QPushButton* RefreshButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QCheckBox* KeepRefreshingCheckBox = nullptr;

signals:
    // The operator asks the controller again.
    void refreshRequested();
    // Keep refreshing's timer asks again; the main window skips the tick while the link is busy.
    void refreshTick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void RefreshButtonClick();
    void CloseButtonClick();
    void KeepRefreshingChanged(bool on);

    QTimer m_refreshTimer;
    std::function<qint64()> m_clock;
    std::deque<TSignalSample> m_history;
    TSignalHistoryStrip* m_historyStrip = nullptr; // built when the window is first shown
};

// The application's signal strength window, filled in at start-up.
extern TSignalStrengthForm* SignalStrengthForm;
