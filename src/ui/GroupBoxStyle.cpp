// The frame is a thin line starting half a caption height down; the caption sits on its top line, left-indented,
// and the line is left out behind it.
#include "ui/GroupBoxStyle.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;
constexpr qreal kCornerRadius = 2;

} // namespace

TGroupBoxStyle::TGroupBoxStyle()
    : QProxyStyle(nullptr)
{
}

QRect TGroupBoxStyle::subControlRect(
    ComplexControl control, const QStyleOptionComplex* option, SubControl subControl, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box || subControl != SC_GroupBoxLabel)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QSize caption = option->fontMetrics.size(Qt::TextShowMnemonic, box->text);
    return QRect(option->rect.topLeft() + QPoint(kCaptionIndent + kCaptionPadding, 0), caption);
}

void TGroupBoxStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->save();
    painter->setClipRegion(QRegion(option->rect).subtracted(caption.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0)));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(option->palette.color(QPalette::Mid));
    const QRect frame = option->rect.adjusted(0, caption.height() / 2, -1, -1);
    painter->drawRoundedRect(QRectF(frame).translated(0.5, 0.5), kCornerRadius, kCornerRadius);
    painter->restore();
    QStyleOptionGroupBox label = *box;
    label.subControls = SC_GroupBoxLabel;
    QProxyStyle::drawComplexControl(control, &label, painter, widget);
}
