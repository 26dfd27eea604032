// Every line the game's picture texts show, in every language, in its kind's font at every
// common screen scale, as a reader sees it: each mark over a letter stands clear of it by a row
// and a diaeresis is two dots, and the letters inside a word stand closer together than the
// words do.
#include <gtest/gtest.h>

#include "language_scope.h"
#include "mark_clearance.h"
#include "text_fonts/picture_text_fonts.h"
#include "picture_text_helper.h"

namespace {

constexpr double kScales[] = {1.0, 1.25, 1.5, 1.75, 2.0};

class PictureTextLettersTest : public testing::TestWithParam<Language> {};

// The control draws on device pixels in a font made for them: the measure runs at scale 1.
TEST_P(PictureTextLettersTest, EveryMarkStandsClearOfItsLetter)
{
    const CLanguageScope scope(GetParam());
    ASSERT_TRUE(scope.Loaded());
    const std::vector<ShippedLine> lines = ShippedLines();
    ASSERT_GT(lines.size(), 30U);
    for (const double scale : kScales)
        for (const ShippedLine& line : lines)
            EXPECT_EQ(MarkFaults(line.text, PictureTextFont(line.font, scale), 1.0), "")
                << "text kind " << static_cast<int>(line.font) << " at scale " << scale;
}

TEST_P(PictureTextLettersTest, LettersStandCloserThanWords)
{
    const CLanguageScope scope(GetParam());
    ASSERT_TRUE(scope.Loaded());
    const std::vector<ShippedLine> lines = ShippedLines();
    ASSERT_GT(lines.size(), 30U);
    for (const double scale : kScales)
        for (const ShippedLine& line : lines)
            EXPECT_EQ(SpacingFaults(line.text, PictureTextFont(line.font, scale), 1.0), "")
                << "text kind " << static_cast<int>(line.font) << " at scale " << scale;
}

INSTANTIATE_TEST_SUITE_P(Languages, PictureTextLettersTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(LanguageCode(info.param));
                         });

}  // namespace
