#include "widgets/classic_look.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "base/language.h"

namespace {

// The classic three-dimensional style, with the focus mark of a radio button too narrow for
// its caption (the level buttons) drawn round its indicator rather than round the hidden
// caption, once the keyboard has moved the focus (widgets/focus_mark.h).
class CClassicStyle : public QProxyStyle {
public:
    explicit CClassicStyle(QStyle* base) : QProxyStyle(base) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
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
};

}  // namespace

QFont SelfSizedFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(AccentedCapitals(GameLanguage()).empty() ? kDialogFontPixels : kMarkedDialogFontPixels);
    return font;
}

void ApplyClassicLook(QApplication& app)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(new CClassicStyle(style));

    const QColor grey(192, 192, 192);
    const QColor black(0, 0, 0);
    QPalette palette = app.style()->standardPalette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, grey);
        palette.setColor(group, QPalette::Button, grey);
        palette.setColor(group, QPalette::WindowText, black);
        palette.setColor(group, QPalette::ButtonText, black);
        palette.setColor(group, QPalette::Text, black);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, grey);
    palette.setColor(QPalette::Disabled, QPalette::Button, grey);
    app.setPalette(palette);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kDialogFontPixels);
    app.setFont(font);
}
