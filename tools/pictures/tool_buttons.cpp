#include "tool_buttons.h"

#include "widgets.h"

TextStyle ButtonWordStyle(std::string_view word)
{
    const int face = RaisedButtonFace(0, 0, kToolButtonWidth, kToolButtonHeight).w;
    const TextStyle regular;
    return TextWidth(word, regular) + 2 <= face ? regular : TextStyle{.narrow = true};
}
