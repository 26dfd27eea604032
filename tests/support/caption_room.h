#pragma once

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

// The width a push button's caption may take and still stand clear of the frame the style
// draws the focus with: two blank pixels between the frame's line and the caption on either side.
inline int CaptionRoom(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    if (button.autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button.isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    const QRect focus = button.style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, &button);
    return focus.width() - 2 * (1 + 2);
}
