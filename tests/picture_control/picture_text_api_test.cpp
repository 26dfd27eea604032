// The control's public API used otherwise than its hosts use it: ticks given by hand to a
// stopped control, pauses and resumes of a canvas drawn beyond its column, a key colour
// changed while it runs. The screen shows what a full repaint shows.
#include <QWidget>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

#include "picture_text_helper.h"
#include "qt_print.h"

namespace {

const int W = kPageSize.width();
const int H = kPageSize.height();

// A control at the page's size in a shown window.
struct ShownPage {
    explicit ShownPage(std::string_view text, const char* tile = "BACKI1")
    {
        control->resize(kPageSize);
        control->SetText(text, '|');
        control->SetColor(kKeyColour, Rgb(255, 0, 255));
        control->SetBackground(tile);
        control->SetSpeed(kMediumSpeed, 1000000);  // no wake of its own: ticks come by hand
        window.resize(kPageSize);
        window.show();
    }
    QWidget window;
    CPictureText* control = new CPictureText(&window);
};

struct StillTicksCase {
    const char* name;
    const char* text;
    QSize picture;
    int ticksRun;  // before Stop
};

void PrintTo(const StillTicksCase& c, std::ostream* os) { *os << c.name; }

class PictureTextStillTicksTest : public testing::TestWithParam<StillTicksCase> {};

// The still view shows the picture whole and centred, painted or not yet; the ticks that
// follow scroll it up in the column, 5 rows for 5 ticks, while the picture emerges on at the
// bottom: stopped on the tick that fetched it, or fetched by the ticks themselves on a new
// control, whose column widens to the picture first.
TEST_P(PictureTextStillTicksTest, TicksGivenToAStoppedControlScrollItsStillViewOn)
{
    const StillTicksCase& c = GetParam();
    auto control = MakeControl(c.text);
    if (c.ticksRun > 0) {
        control->Start();
        Ticks(*control, c.ticksRun);
        control->Stop();
    }
    Ticks(*control, 20 - c.ticksRun);
    const QPoint still((W - c.picture.width()) / 2, (H - c.picture.height()) / 2);
    const std::string name(c.text, std::string_view(c.text).size() - 1);
    const QImage scrolled = WithPicture(TileOnly(kPageSize), name, still - QPoint(0, 5));
    EXPECT_EQ(Painted(control.get()), WithPicture(scrolled, name, QPoint(still.x(), H - 6), 6));
}

INSTANTIATE_TEST_SUITE_P(Controls, PictureTextStillTicksTest,
                         testing::Values(StillTicksCase{"StoppedAfterRunning", "MANUAL2^", QSize(82, 180), 15},
                                         StillTicksCase{"New", "MYIMAGEU^", QSize(24, 24), 0}),
                         [](const auto& info) { return std::string(info.param.name); });

using Step = std::function<void(CPictureText&)>;

struct CoverCase {
    const char* name;
    const char* text;
    const char* tile;
    std::vector<Step> steps;
};

void PrintTo(const CoverCase& c, std::ostream* os) { *os << c.name; }

class PictureTextCoverTest : public testing::TestWithParam<CoverCase> {};

// The screen outside the column, the column taken as the tile.
QImage OutsideColumn(const QImage& frame, const CPictureText& control, const QImage& tile)
{
    const PixelRect column = control.Engine().ContentColumn();
    QImage outside = frame;
    for (int y = column.top; y < column.bottom; ++y)
        for (int x = column.left; x < column.right; ++x)
            outside.setPixel(x, y, tile.pixel(x, y));
    return outside;
}

// Each step leaves on the screen every pixel a full repaint shows; running over a tile, the
// tile alone outside the column.
TEST_P(PictureTextCoverTest, ScreenEqualsAFullRepaintAfterEachStep)
{
    ShownPage page(GetParam().text, GetParam().tile);
    const QImage tile = TileOnly(kPageSize);
    for (std::size_t step = 1; step <= GetParam().steps.size(); ++step) {
        GetParam().steps[step - 1](*page.control);
        const QImage shown = Shown(*page.control);
        ASSERT_EQ(shown, Painted(page.control)) << "after step " << step;
        if (page.control->IsRunning() && std::string_view(GetParam().tile) == "BACKI1") {
            ASSERT_EQ(OutsideColumn(shown, *page.control, tile), tile) << "after step " << step;
        }
    }
}

const Step kPause = [](CPictureText& c) { c.SetRunning(false); };
const Step kResume = [](CPictureText& c) { c.SetRunning(true); };
const Step kTick = [](CPictureText& c) { c.RunTicks(1); };
// A first pass over the smiley leaves the column 24 pixels wide for good; the wider picture
// of the next text emerges beyond it.
const Step kPictureBeyondColumn = [](CPictureText& c) {
    c.Start();
    Ticks(c, 15);
    c.SetText("MANUAL2^", '|');
    Ticks(c, 15 + 150);
};
const char* const kSmiley = "MYIMAGEU^";

INSTANTIATE_TEST_SUITE_P(
    Steps, PictureTextCoverTest,
    testing::Values(CoverCase{"PausedRepaint", kSmiley, "BACKI1", {kPictureBeyondColumn, kPause, kResume, kTick}},
                    CoverCase{"TicksWhilePaused", kSmiley, "BACKI1", {kPictureBeyondColumn, kPause, kTick, kResume}},
                    CoverCase{"PausedRepaintWithoutTile", kSmiley, "NO SUCH TILE", {kPictureBeyondColumn, kPause, kResume, kTick}}),
    [](const auto& info) { return std::string(info.param.name); });

// The canvas's empty rows stay transparent under the new key colour: the frame is the one a
// control keyed so from the start shows.
TEST(PictureTextApiTest, KeyColourChangedWhileRunningLeavesNoBlockOfTheOldKey)
{
    ShownPage page("HHHHHHHH\t|plain|");
    ShownPage twin("HHHHHHHH\t|plain|");
    twin.control->SetColor(kKeyColour, Rgb(0, 255, 0));
    for (ShownPage* shown : {&page, &twin}) {
        shown->control->Start();
        Ticks(*shown->control, 60);
    }
    page.control->SetColor(kKeyColour, Rgb(0, 255, 0));
    EXPECT_EQ(Shown(*page.control), Shown(*twin.control));
    Ticks(*page.control, 30);
    Ticks(*twin.control, 30);
    EXPECT_EQ(Shown(*page.control), Shown(*twin.control));
}

}  // namespace
