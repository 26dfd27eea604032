#include "widgets/focus_mark.h"

#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

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
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}
