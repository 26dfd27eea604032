// The rules of the picture-text engine: when lines are fetched, how long a picture takes,
// what survives a restart, how the column widens, the style of each kind, the still view.
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "fake_measure.h"
#include "picture_text/engine.h"

namespace {

constexpr int W = 400;
constexpr int H = 200;

struct Engine {
    FakeMeasure measure;
    CPictureTextEngine engine{measure};

    explicit Engine(std::string_view text, int width = W, int height = H)
    {
        engine.Resize(width, height);
        engine.SetText(text, '|');
    }
    TickDraw Ticks(int count)
    {
        TickDraw last;
        for (int i = 0; i < count; ++i)
            last = engine.Tick();
        return last;
    }
};

using Events = std::vector<std::pair<int, std::string>>;

// The ticks at which the current line changes, with the line it becomes.
Events LineChanges(CPictureTextEngine& engine, int ticks)
{
    Events events;
    std::string line = engine.CurrentLine();
    for (int tick = 1; tick <= ticks; ++tick) {
        engine.Tick();
        if (engine.CurrentLine() != line) {
            line = engine.CurrentLine();
            events.emplace_back(tick, line);
        }
    }
    return events;
}

struct FetchCase {
    const char* name;
    const char* text;
    Events events;
};

void PrintTo(const FetchCase& c, std::ostream* os)
{
    *os << c.name;
}

class FetchTest : public testing::TestWithParam<FetchCase> {};

// A line is fetched every m_nLineHeight ticks: 15 before the first text line, then the cell
// height of the latest text line. A finished picture empties the current line.
TEST_P(FetchTest, FetchesOnTheTicksItsLinesAllow)
{
    Engine e(GetParam().text);
    ASSERT_TRUE(e.engine.Start());
    const int ticks = GetParam().events.back().first;
    EXPECT_EQ(LineChanges(e.engine, ticks), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FetchTest,
    testing::Values(
        // 19 after large, 17 after medium, 15 after small and plain; then the text loops.
        FetchCase{"Kinds", "L\t|M\n|S\r|P|E\t",
                  {{15, "L\t"}, {34, "M\n"}, {51, "S\r"}, {66, "P"}, {81, "E\t"}, {100, "L\t"}}},
        // A blank line takes the height of the latest text line.
        FetchCase{"Blanks", "L\t||S\r||P", {{15, "L\t"}, {34, ""}, {53, "S\r"}, {68, ""}, {83, "P"}}},
        // A picture takes its height plus one tick; the next line comes the current line
        // height after that: height + line height ticks after the picture started.
        FetchCase{"PictureAfterLarge", "L\t|P30^|A", {{15, "L\t"}, {34, "P30^"}, {64, ""}, {83, "A"}}},
        FetchCase{"TallPictureAfterSmall", "S\r|P180^|A", {{15, "S\r"}, {30, "P180^"}, {210, ""}, {225, "A"}}},
        FetchCase{"PictureFirst", "P30^|A", {{15, "P30^"}, {45, ""}, {60, "A"}}}),
    [](const testing::TestParamInfo<FetchCase>& info) { return std::string(info.param.name); });

// The picture rises from the bottom edge a row a tick, centred in the column it widened.
TEST(PictureTextEngineTest, PictureRevealsOneRowATick)
{
    Engine e("P30^");
    e.engine.Start();
    e.Ticks(14);
    for (int k = 1; k <= 31; ++k) {
        const TickDraw draw = e.engine.Tick();
        ASSERT_EQ(draw.reveal, TickDraw::Reveal::kPicture) << k;
        EXPECT_EQ(draw.picture, "P30");
        EXPECT_EQ(draw.rows, std::min(k, 30)) << k;
        EXPECT_EQ(draw.pictureX, (W - 40) / 2);
        EXPECT_EQ(draw.pictureY, H - k);
        EXPECT_EQ(draw.column, (PixelRect{(W - 40) / 2, 0, (W + 40) / 2, H}));
        EXPECT_EQ(e.engine.PictureEmerging(), k <= 30) << k;
    }
}

// A text line is drawn top-aligned in its revealed rows: one more each tick.
TEST(PictureTextEngineTest, TextRevealsOneRowATick)
{
    Engine e("AB\r");
    e.engine.Start();
    e.Ticks(14);
    for (int k = 1; k <= 15; ++k) {
        const TickDraw draw = e.engine.Tick();
        ASSERT_EQ(draw.reveal, TickDraw::Reveal::kText);
        EXPECT_EQ(draw.text, "AB");
        EXPECT_EQ(draw.revealed, (PixelRect{(W - 14) / 2, H - k, (W + 14) / 2, H})) << k;
        EXPECT_EQ(draw.scroll, k == 1 ? PixelRect{} : draw.column);  // nothing to move before the line
    }
}

// Start and SetText keep the line height, the current line and an emerging picture: the
// picture emerges again from its top before the first line of the new text.
TEST(PictureTextEngineTest, RestartFinishesTheEmergingPictureFirst)
{
    Engine e("L\t|P30^|A");
    e.engine.Start();
    e.Ticks(40);
    e.engine.Stop();
    e.engine.SetText("B\r|C\r", '|');
    ASSERT_TRUE(e.engine.Start());
    EXPECT_TRUE(e.engine.PictureEmerging());
    EXPECT_EQ(e.engine.LineHeight(), 19);
    EXPECT_EQ(e.engine.CurrentLine(), "P30^");
    EXPECT_EQ(e.engine.Tick().rows, 1);
    EXPECT_EQ(LineChanges(e.engine, 49), (Events{{30, ""}, {49, "B\r"}}));
}

TEST(PictureTextEngineTest, RestartLetsTheFetchedLineEmergeAgain)
{
    Engine e("L\t|A\r");
    e.engine.Start();
    e.Ticks(20);
    e.engine.SetText("B\r", '|');
    e.engine.Start();
    for (int k = 1; k <= 18; ++k) {
        const TickDraw draw = e.engine.Tick();
        ASSERT_EQ(draw.text, "L") << k;
        EXPECT_EQ(draw.revealed.Height(), k);
    }
    EXPECT_EQ(e.engine.Tick().text, "B");
}

// Start with no new text begins again at the first line, once the line it had fetched has
// emerged again.
TEST(PictureTextEngineTest, StartWithoutNewTextBeginsAgainAtTheFirstLine)
{
    Engine e("A\r|B\r|C\r");
    e.engine.Start();
    e.Ticks(40);
    ASSERT_EQ(e.engine.CurrentLine(), "B\r");
    ASSERT_TRUE(e.engine.Start());
    EXPECT_EQ(LineChanges(e.engine, 30), (Events{{15, "A\r"}, {30, "B\r"}}));
}

// The column takes the widest line of the first pass, never more than the control.
TEST(PictureTextEngineTest, ColumnWidensOnlyDuringTheFirstPass)
{
    Engine e("AB\t|ABCDEFGH\t");
    e.engine.Start();
    e.Ticks(15);
    EXPECT_EQ(e.engine.ContentWidth(), 14);
    EXPECT_TRUE(e.engine.FirstPass());
    e.Ticks(19);
    EXPECT_EQ(e.engine.ContentWidth(), 56);
    EXPECT_FALSE(e.engine.FirstPass());
    e.engine.SetText(std::string(30, 'W') + "\t", '|');
    e.Ticks(19 * 3);
    EXPECT_EQ(e.engine.ContentWidth(), 56);

    for (const char* text : {"ABCDEFGHIJKLMNOP\t", "WIDE^"}) {
        Engine narrow(text, 50, 100);
        narrow.engine.Start();
        narrow.Ticks(15);
        EXPECT_EQ(narrow.engine.ContentWidth(), 50) << text;
    }
}

struct StyleCase {
    const char* line;
    TextFont font;
    int slot;  // -1: the surface's black
};

void PrintTo(const StyleCase& c, std::ostream* os)
{
    *os << testing::PrintToString(std::string(c.line));
}

class StyleTest : public testing::TestWithParam<StyleCase> {};

// Each kind draws in its font and colour slot, scrolling and still alike; a picture that does
// not load is its own text, with the marker, in the surface's font and colour while scrolling
// and in the style in effect (here none yet) when still.
TEST_P(StyleTest, KindChoosesFontAndColourSlot)
{
    Engine e(GetParam().line);
    for (int slot = 0; slot < 5; ++slot)
        e.engine.SetColor(slot, Rgb(slot + 1, 2 * slot, 3));
    const TextStyle expected{GetParam().font, GetParam().slot < 0 ? Rgb(0, 0, 0) : e.engine.Color(GetParam().slot)};
    const StillView still = e.engine.LayoutStill();
    ASSERT_EQ(still.items.size(), 1u);
    EXPECT_EQ(still.items[0].style, expected);
    e.engine.Start();
    const TickDraw draw = e.Ticks(15);
    EXPECT_EQ(draw.style, expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, StyleTest,
                         testing::Values(StyleCase{"x\t", TextFont::kLarge, kLargeColour},
                                         StyleCase{"x\n", TextFont::kMedium, kMediumColour},
                                         StyleCase{"x\r", TextFont::kSmall, kSmallColour},
                                         StyleCase{"x", TextFont::kPlain, kPlainColour},
                                         StyleCase{"NOSUCH^", TextFont::kPlain, -1}));

TEST(PictureTextEngineTest, FailingPictureIsTextAndIsTriedAgainEveryTick)
{
    Engine e("y\r|Q^");
    EXPECT_EQ(e.engine.LayoutStill().items[1].style, *e.engine.StyleOf(LineKind::kSmall));
    e.engine.Start();
    e.Ticks(15 + 15 + 5);
    EXPECT_EQ(e.measure.asked["Q"], 6 + 1);  // every tick since its fetch, and the still view
    const TickDraw draw = e.Ticks(1);
    EXPECT_EQ(draw.text, "Q^");
    e.measure.pictures["Q"] = {10, 10};
    EXPECT_EQ(e.Ticks(1).reveal, TickDraw::Reveal::kPicture);
    EXPECT_TRUE(e.engine.PictureEmerging());
    // Its rows count from its fetch on tick 30: it has emerged by tick 40, and the next line
    // comes its height plus the line height after the fetch, on tick 55.
    EXPECT_EQ(LineChanges(e.engine, 18), (Events{{3, ""}, {18, "y\r"}}));
}

// The still view stacks measured heights: a text line its own, a blank or a marker alone the
// height of "W" in the font in effect, a picture its own height; the block is centred.
TEST(PictureTextEngineTest, StillViewStacksMeasuredHeightsAndCentres)
{
    Engine e("P30^|x\t||y\r|\n");
    const StillView view = e.engine.LayoutStill();
    const int large = FakeMeasure::HeightOf(TextFont::kLarge);
    const int small = FakeMeasure::HeightOf(TextFont::kSmall);
    const int medium = FakeMeasure::HeightOf(TextFont::kMedium);
    ASSERT_EQ(view.items.size(), 3u);
    EXPECT_TRUE(view.items[0].picture);
    EXPECT_EQ(view.items[0].x, W - W / 2 - 20);
    EXPECT_EQ(view.items[0].y, 0);
    EXPECT_EQ(view.items[1].y, 30);
    EXPECT_EQ(view.items[2].y, 30 + large + large);
    EXPECT_EQ(view.height, 30 + 2 * large + small + medium);
    EXPECT_EQ(view.offset, (H - view.height) / 2);
}

TEST(PictureTextEngineTest, StillViewLaysOutLinesThatStartWithinTheControl)
{
    const int line = FakeMeasure::HeightOf(TextFont::kLarge);
    Engine e("a\t|b\t|c\t|d\t", W, 2 * line);
    const StillView view = e.engine.LayoutStill();
    ASSERT_EQ(view.items.size(), 3u);  // the third starts exactly at the bottom edge
    EXPECT_EQ(view.items[2].y, 2 * line);
    EXPECT_EQ(view.offset, 0);
}

TEST(PictureTextEngineTest, SpeedChangesApplyFromTheNextStart)
{
    Engine e("x");
    e.engine.Start();
    EXPECT_EQ(e.engine.TickInterval(), 40u);
    e.engine.SetSpeed(kFastSpeed, 0);
    EXPECT_EQ(e.engine.TickInterval(), 40u);
    e.engine.Start();
    EXPECT_EQ(e.engine.TickInterval(), 10u);
    e.engine.SetSpeed(kSlowSpeed, 100);
    e.engine.SetSpeed(3, 5);  // no such slot: ignored
    e.engine.SetSpeed(-1, 5);
    EXPECT_EQ(e.engine.TickInterval(), 10u);
    e.engine.SetRunning(false);
    EXPECT_EQ(e.engine.TickInterval(), 0u);
    e.engine.SetRunning(true);
    EXPECT_EQ(e.engine.TickInterval(), 100u);
    e.engine.Stop();
    EXPECT_FALSE(e.engine.IsRunning());
}

// Start and Stop drop the canvas; SetText and SetRunning(true) drop only a still view.
TEST(PictureTextEngineTest, CanvasIsDroppedOnlyWhereTheViewChanges)
{
    Engine e("x");
    EXPECT_FALSE(e.engine.HasCanvas());
    e.engine.LayoutStill();
    e.engine.SetText("y", '|');
    EXPECT_FALSE(e.engine.HasCanvas());
    EXPECT_TRUE(e.engine.Tick().freshCanvas);
    EXPECT_FALSE(e.engine.Tick().freshCanvas);
    e.engine.SetText("z", '|');
    e.engine.SetRunning(false);
    e.engine.SetRunning(true);
    e.engine.Resize(W, H);
    EXPECT_TRUE(e.engine.HasCanvas());
    e.engine.Stop();
    EXPECT_FALSE(e.engine.HasCanvas());
    e.engine.LayoutStill();
    e.engine.SetRunning(true);
    EXPECT_FALSE(e.engine.HasCanvas());
    e.engine.Tick();
    e.engine.Start();
    EXPECT_FALSE(e.engine.HasCanvas());
    e.engine.Tick();
    e.engine.Resize(W + 1, H);
    EXPECT_FALSE(e.engine.HasCanvas());
}

TEST(PictureTextEngineTest, WithoutLinesItDoesNotStartAndFetchesNothing)
{
    Engine e("x\t|y\t");
    e.engine.Start();
    e.Ticks(15);
    e.engine.ClearText();
    EXPECT_FALSE(e.engine.Start());
    EXPECT_EQ(LineChanges(e.engine, 100), Events{});
}

}  // namespace
