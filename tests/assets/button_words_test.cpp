#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "pixel_font.h"
#include "tool_buttons.h"
#include "widgets.h"

namespace {

std::array<std::string_view, 4> WordsOf(const ButtonWords& words)
{
    return {words.help, words.demo, words.hint, words.back};
}

std::string Named(const ButtonWords& words, std::string_view word)
{
    return std::string(LanguageCode(words.language)) + ": " + std::string(word);
}

}  // namespace

// A letter the font lacks would be drawn as a gap.
TEST(ButtonWords, EveryLetterIsInTheFont)
{
    for (const ButtonWords& words : kButtonWords) {
        for (std::string_view word : WordsOf(words))
            EXPECT_TRUE(CanDraw(word)) << Named(words, word);
    }
}

// The word is centred on the face; at least one pixel of face must show on either side of it,
// in the letters the word is drawn with.
TEST(ButtonWords, EveryWordFitsTheFaceWithAMargin)
{
    const Box face = RaisedButtonFace(0, 0, kToolButtonWidth, kToolButtonHeight);
    for (const ButtonWords& words : kButtonWords) {
        for (std::string_view word : WordsOf(words))
            EXPECT_LE(TextWidth(word, ButtonWordStyle(word)) + 2, face.w) << Named(words, word);
    }
}
