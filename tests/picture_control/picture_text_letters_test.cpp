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

class PictureTextLettersTest : public testing::TestWithParam<Language> {
protected:
    // The faults `measure` finds in every shipped line of the language, in its kind's font at
    // every scale. The control draws on device pixels in a font made for them: the measure
    // runs at scale 1.
    template <typename Measure>
    void ExpectNoFaults(Measure measure)
    {
        const CLanguageScope scope(GetParam());
        ASSERT_TRUE(scope.Loaded());
        const std::vector<ShippedLine> lines = ShippedLines();
        ASSERT_GT(lines.size(), 30U);
        for (const double scale : kScales)
            for (const ShippedLine& line : lines)
                EXPECT_EQ(measure(line.text, PictureTextFont(line.font, scale)), "")
                    << "text kind " << static_cast<int>(line.font) << " at scale " << scale;
    }
};

TEST_P(PictureTextLettersTest, EveryMarkStandsClearOfItsLetter)
{
    ExpectNoFaults([](const QString& text, const QFont& font) { return MarkFaults(text, font, 1.0); });
}

TEST_P(PictureTextLettersTest, LettersStandCloserThanWords)
{
    ExpectNoFaults([](const QString& text, const QFont& font) { return SpacingFaults(text, font, 1.0); });
}

INSTANTIATE_TEST_SUITE_P(Languages, PictureTextLettersTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(LanguageCode(info.param));
                         });

}  // namespace
