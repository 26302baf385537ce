// The bar's text is the value itself, so that a reading above the bar's maximum still shows what arrived.
#include "ui/SignalStrengthForm.h"

#include "ui/ToolkitServices.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>

TSignalStrengthForm* SignalStrengthForm = nullptr;

namespace {

// Values arrive every two seconds while refreshing; a controller sending unasked is held to this many.
constexpr std::size_t kMostSamples = 600;
const QRect kHistoryPlace(16, 56, 315, 96);

} // namespace

TSignalStrengthForm::TSignalStrengthForm(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("SignalStrengthForm"));
    setWindowTitle(QStringLiteral("SignalStrengthForm"));
    setFont(ToolkitFont());
    // Taller than the bar alone needs: the history strip and Keep refreshing stand between the bar and the buttons.
    resize(355, 232);

    SignalStrenthAdvSmoothProgressBar = new QProgressBar(this);
    SignalStrenthAdvSmoothProgressBar->setObjectName(QStringLiteral("SignalStrenthAdvSmoothProgressBar"));
    SignalStrenthAdvSmoothProgressBar->setGeometry(16, 32, 315, 17);
    SignalStrenthAdvSmoothProgressBar->setRange(0, kSignalMaximum);
    SignalStrenthAdvSmoothProgressBar->setTextVisible(true);
    SignalStrenthAdvSmoothProgressBar->setAlignment(Qt::AlignCenter);
    SignalStrenthAdvSmoothProgressBar->setStyleSheet(QStringLiteral(
        "QProgressBar { background: rgb(175, 210, 255); border: 1px solid silver; color: palette(window-text); }"
        "QProgressBar::chunk { border: 1px solid rgb(173, 209, 255); background: qlineargradient(x1:0, y1:0, "
        "x2:0, y2:1, stop:0 lime, stop:0.5 green, stop:1 lime); }"));
    SignalStrenthAdvSmoothProgressBar->setValue(0);
    SignalStrenthAdvSmoothProgressBar->setFormat(QStringLiteral("0"));

    // Created in tab order: Close, Refresh, Keep refreshing.
    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(256, 190, 75, 25);
    RefreshButton = new QPushButton(tr("Refresh"), this);
    RefreshButton->setObjectName(QStringLiteral("RefreshButton"));
    RefreshButton->setGeometry(16, 190, 75, 25);
    KeepRefreshingCheckBox = new QCheckBox(tr("Keep refreshing"), this);
    KeepRefreshingCheckBox->setObjectName(QStringLiteral("KeepRefreshingCheckBox"));
    KeepRefreshingCheckBox->setGeometry(16, 162, 200, 17);

    SignalStrenthAdvSmoothProgressBar->setAccessibleName(tr("Signal strength"));
    RefreshButton->setAccessibleName(tr("Refresh signal strength"));
    CloseButton->setAccessibleName(tr("Close signal strength window"));
    KeepRefreshingCheckBox->setAccessibleName(tr("Keep refreshing"));
    KeepRefreshingCheckBox->setAccessibleDescription(
        tr("Asks the controller again every two seconds while this window is shown."));

    m_refreshTimer.setInterval(kRefreshIntervalMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &TSignalStrengthForm::refreshTick);
    connect(KeepRefreshingCheckBox, &QCheckBox::toggled, this, &TSignalStrengthForm::KeepRefreshingChanged);
    connect(RefreshButton, &QPushButton::clicked, this, &TSignalStrengthForm::RefreshButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TSignalStrengthForm::CloseButtonClick);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &TSignalStrengthForm::CloseButtonClick);

    m_clock = [elapsed = std::make_shared<QElapsedTimer>()] {
        if (!elapsed->isValid())
            elapsed->start();
        return elapsed->elapsed();
    };
}

void TSignalStrengthForm::ShowSignalStrength(int value)
{
    // QProgressBar ignores a value outside its range and would go on showing the previous one.
    SignalStrenthAdvSmoothProgressBar->setValue(qBound(0, value, kSignalMaximum));
    SignalStrenthAdvSmoothProgressBar->setFormat(QString::asprintf("%.0f", double(value)));

    const qint64 now = m_clock();
    m_history.push_back({ now, value });
    while (m_history.size() > kMostSamples || now - m_history.front().milliseconds > kSignalHistoryMs)
        m_history.pop_front();
    if (m_historyStrip)
        m_historyStrip->HistoryChanged();
}

void TSignalStrengthForm::ClearHistory()
{
    m_history.clear();
    if (m_historyStrip)
        m_historyStrip->HistoryChanged();
}

void TSignalStrengthForm::StopRefreshing()
{
    KeepRefreshingCheckBox->setChecked(false);
}

void TSignalStrengthForm::KeepRefreshingChanged(bool on)
{
    if (!on) {
        m_refreshTimer.stop();
        return;
    }
    if (!isVisible())
        return;
    m_refreshTimer.start();
    // The first value comes at once rather than after a whole interval.
    emit refreshTick();
}

void TSignalStrengthForm::showEvent(QShowEvent* event)
{
    if (!m_historyStrip) {
        m_historyStrip = new TSignalHistoryStrip(m_history, this);
        m_historyStrip->setGeometry(kHistoryPlace);
        m_historyStrip->show();
    }
    QWidget::showEvent(event);
}

void TSignalStrengthForm::hideEvent(QHideEvent* event)
{
    // Refreshing serves the operator watching this window; hidden, it would only keep the controller busy. A
    // minimised window (a spontaneous hide) goes on.
    if (!event->spontaneous())
        StopRefreshing();
    QWidget::hideEvent(event);
}

void TSignalStrengthForm::RefreshButtonClick()
{
    emit refreshRequested();
}

void TSignalStrengthForm::CloseButtonClick()
{
    hide();
}
