#include "tool_buttons.h"

#include "widgets.h"

WordColumns ButtonWordColumns(std::string_view word, const TextStyle& style)
{
    const Box face = RaisedButtonFace(0, 0, kToolButtonWidth, kToolButtonHeight);
    const int width = TextWidth(word, style);
    const int left = face.x + (face.w - width) / 2;
    return {left, left + width - 1};
}

TextStyle ButtonWordStyle(std::string_view word)
{
    constexpr int kClearLeft = kToolButtonFocusInset + 2;
    constexpr int kClearRight = kToolButtonWidth - 1 - kToolButtonFocusInset - 2;
    const TextStyle regular;
    const WordColumns columns = ButtonWordColumns(word, regular);
    return columns.left >= kClearLeft && columns.right <= kClearRight ? regular : TextStyle{.narrow = true};
}
