#include "widgets/focus_mark.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

#include "assets/device_art.h"

bool ShowsFocusMark(const QWidget& widget)
{
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& rect)
{
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = rect;
    option.state |= QStyle::State_KeyboardFocusChange;
    const qreal scale = PainterScale(painter);
    if (IsWholeScale(scale)) {
        widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
        return;
    }
    // At a fractional scale a one-pixel dotted line would fall on one device row here and two
    // there: the mark is drawn on the device's own pixels instead, its edges where the
    // rectangle's edges fall, rounded.
    painter.save();
    const QRectF device = PaintOnDevicePixels(painter).mapRect(QRectF(rect));
    option.rect = QRect(QPoint(qRound(device.left()), qRound(device.top())),
                        QPoint(qRound(device.right()) - 1, qRound(device.bottom()) - 1));
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
    painter.restore();
}
