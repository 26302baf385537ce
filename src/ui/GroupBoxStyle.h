// The window's group boxes: the caption is set into the frame's top line, as the controls placed just under it
// expect, instead of standing above the frame as most styles draw it.
#pragma once

#include <QProxyStyle>

class TGroupBoxStyle : public QProxyStyle
{
    Q_OBJECT

public:
    TGroupBoxStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
        const QWidget* widget) const override;
    void drawComplexControl(
        ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const override;
};
