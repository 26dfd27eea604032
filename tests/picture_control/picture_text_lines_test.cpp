// Every line of every text the game scrolls, in every language it speaks, is whole at each laptop
// scale wherever it is whole at 100 %: in the still view and once it has scrolled into view, its
// ink is all the ink it has drawn alone in a control too wide to cut it. (A line too wide for its
// control at 100 % is cut there and may be whole at a scale whose font is a little narrower.)
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "language_scope.h"
#include "laptop_screens.h"
#include "picture_text_helper.h"

namespace {

// Device pixels other than the key colour.
int InkPixels(const QImage& frame)
{
    int count = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            count += frame.pixel(x, y) != kMagenta ? 1 : 0;
    return count;
}

struct LineInk {
    int still = 0;
    int scrolled = 0;
};

// The ink of a line shown alone, untiled, in a control of the size on the screen of the scale:
// its still view, and the view once the line has been fetched and scrolled whole into view.
LineInk InkOf(const std::string& line, QSize size, double scale)
{
    CPictureText control;
    control.setScreen(LaptopScreen(scale));
    control.resize(size);
    // Blank lines after it, so no second copy of it comes up behind it.
    control.SetText(line + "|||", '|');
    control.SetColor(kKeyColour, Rgb(255, 0, 255));
    LineInk ink;
    ink.still = InkPixels(Painted(&control));
    control.Start();
    // A first line is fetched on the 15th tick; the tallest cell is revealed 19 ticks later.
    control.RunTicks(40);
    ink.scrolled = InkPixels(Painted(&control));
    return ink;
}

struct Text {
    std::string name;
    std::string markup;
    QSize size;
};

std::vector<Text> TextsOfTheGame()
{
    std::vector<Text> texts;
    for (int page = 0; page < kHelpPageCount; ++page)
        texts.push_back({"Help page " + std::to_string(page), PageText(page, CatalogueText), kPageSize});
    texts.push_back({"About box", CreditsText(CatalogueText), kAboutSize});
    return texts;
}

TEST(PictureTextLinesTest, EveryLineWholeAtOneIsWholeAtEveryScale)
{
    const QSize wide(2400, 40);
    std::ostringstream differ;
    int lines = 0;
    for (const Language language : kLanguages) {
        const CLanguageScope scope(language);
        ASSERT_TRUE(scope.Loaded());
        for (const Text& text : TextsOfTheGame()) {
            for (const std::string& line : CutLines(text.markup, '|')) {
                const LineKind kind = ClassifyLine(line).kind;
                if (kind == LineKind::kBlank || kind == LineKind::kPicture)
                    continue;
                ++lines;
                std::vector<bool> whole;
                for (const double scale : kLaptopScales) {
                    const int all = InkOf(line, wide, scale).still;
                    const LineInk shown = InkOf(line, text.size, scale);
                    whole.push_back(shown.still == all && shown.scrolled == all);
                    if (whole.front() && !whole.back())
                        differ << LanguageCode(language) << ", " << text.name << " at " << scale << ": \"" << line
                               << "\" cut (still " << shown.still
                               << ", scrolled " << shown.scrolled << " of " << all << " ink pixels)\n";
                }
            }
        }
    }
    EXPECT_GT(lines, 300);
    EXPECT_EQ(differ.str(), "");
}

}  // namespace
