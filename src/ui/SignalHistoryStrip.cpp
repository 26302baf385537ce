#include "ui/SignalHistoryStrip.h"

#include "ui/SignalStrengthForm.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kLabelWidth = 28; // room for the latest value right of the plot

} // namespace

TSignalHistoryStrip::TSignalHistoryStrip(const std::deque<TSignalSample>& samples, QWidget* parent)
    : QWidget(parent)
    , samples(samples)
{
    setObjectName(QStringLiteral("SignalHistoryStrip"));
    setAccessibleName(tr("Signal strength history"));
    HistoryChanged();
}

void TSignalHistoryStrip::HistoryChanged()
{
    setAccessibleDescription(
        samples.empty() ? tr("No values yet") : tr("The last two minutes; latest value %1").arg(samples.back().value));
    update();
}

void TSignalHistoryStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF plot = QRectF(rect()).adjusted(0.5, 0.5, -0.5 - kLabelWidth, -0.5);
    painter.fillRect(plot, QColor(175, 210, 255));
    painter.setPen(QColor(Qt::white));
    for (int level = 10; level < kSignalMaximum; level += 10) {
        const double y = plot.bottom() - plot.height() * level / kSignalMaximum;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(QColor(Qt::gray));
    painter.drawRect(plot);
    painter.drawText(plot.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignBottom, tr("2 minutes"));
    if (samples.empty())
        return;

    // The right edge is the latest value; the left edge lies the history's span before it.
    const qint64 newest = samples.back().milliseconds;
    const auto place = [&](const TSignalSample& sample) {
        const double age = double(newest - sample.milliseconds) / kSignalHistoryMs;
        const double level = double(qBound(0, sample.value, kSignalMaximum)) / kSignalMaximum;
        return QPointF(plot.right() - age * plot.width(), plot.bottom() - level * plot.height());
    };
    QPainterPath line(place(samples.front()));
    for (const TSignalSample& sample : samples)
        line.lineTo(place(sample));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 2));
    painter.drawPath(line);
    painter.setBrush(QColor(0, 128, 0));
    painter.drawEllipse(place(samples.back()), 2.5, 2.5);

    painter.setPen(palette().color(QPalette::WindowText));
    const QRectF label(plot.right() + 2, plot.top(), kLabelWidth - 2, plot.height());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, QString::number(samples.back().value));
}
