#include "widgets/classic_style.h"

#include <QPainter>
#include <QStyleOption>

#include "widgets/style_lines.h"

namespace {

// What the style draws in lines inside the option's rectangle, with a plain middle: frames,
// bevels, focus marks and the radio button's round edge.
bool DrawsLines(QStyle::PrimitiveElement element)
{
    switch (element) {
    case QStyle::PE_Frame:
    case QStyle::PE_FrameButtonBevel:
    case QStyle::PE_FrameButtonTool:
    case QStyle::PE_FrameDefaultButton:
    case QStyle::PE_FrameFocusRect:
    case QStyle::PE_FrameGroupBox:
    case QStyle::PE_FrameLineEdit:
    case QStyle::PE_FrameMenu:
    case QStyle::PE_FrameTabBarBase:
    case QStyle::PE_FrameTabWidget:
    case QStyle::PE_FrameWindow:
    case QStyle::PE_IndicatorRadioButton:
    case QStyle::PE_PanelButtonBevel:
    case QStyle::PE_PanelButtonCommand:
    case QStyle::PE_PanelButtonTool:
    case QStyle::PE_PanelLineEdit:
        return true;
    default:
        return false;
    }
}

bool DrawsLines(QStyle::ControlElement element)
{
    return element == QStyle::CE_ShapedFrame || element == QStyle::CE_TabBarTabShape;
}

}  // namespace

void CClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    if (!DrawsLines(element)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    DrawStyleLines(*painter, option->rect, [&](QPainter& plain) {
        QProxyStyle::drawPrimitive(element, option, &plain, widget);
    });
}

void CClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (DrawsLines(element)) {
        DrawStyleLines(*painter, option->rect, [&](QPainter& plain) {
            QProxyStyle::drawControl(element, option, &plain, widget);
        });
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    const State keyboardFocus = State_HasFocus | State_KeyboardFocusChange;
    if (element != CE_RadioButton || (option->state & keyboardFocus) != keyboardFocus ||
        option->rect.contains(subElementRect(SE_RadioButtonFocusRect, option, widget)))
        return;
    constexpr int kAround = 1;
    QStyleOptionFocusRect mark;
    mark.QStyleOption::operator=(*option);
    mark.rect = subElementRect(SE_RadioButtonIndicator, option, widget)
                    .adjusted(-kAround, -kAround, kAround, kAround)
                    .intersected(option->rect);
    drawPrimitive(PE_FrameFocusRect, &mark, painter, widget);
}
