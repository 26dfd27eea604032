#pragma once

#include <QProxyStyle>

// The classic three-dimensional style with its lines as thick as the art's at any scale
// (widgets/style_lines.h), and the focus mark of a radio button too narrow for its caption (the
// level buttons) drawn round its indicator rather than round the hidden caption, once the
// keyboard has moved the focus (widgets/focus_mark.h).
class CClassicStyle : public QProxyStyle {
public:
    explicit CClassicStyle(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
