// The control's public API used otherwise than its hosts use it: ticks given by hand to a
// stopped control, pauses and resumes, a column that widens over what an earlier still view
// left, a key colour changed while it runs. The screen shows what a full repaint shows.
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

// Stopped while a picture emerged: the still view shows the whole picture centred, and ticks
// scroll it up within the column while the picture emerges on at the bottom.
TEST(PictureTextApiTest, TicksGivenToAStoppedControlScrollItsStillViewOn)
{
    auto control = MakeControl("MANUAL2^");
    control->Start();
    Ticks(*control, 15);  // the picture's first row
    control->Stop();
    const QPoint still((W - 82) / 2, (H - 180) / 2);
    ASSERT_EQ(Painted(control.get()), WithPicture(TileOnly(kPageSize), "MANUAL2", still));
    Ticks(*control, 5);
    const QImage scrolled = WithPicture(TileOnly(kPageSize), "MANUAL2", still - QPoint(0, 5));
    EXPECT_EQ(Painted(control.get()), WithPicture(scrolled, "MANUAL2", QPoint(still.x(), H - 6), 6));
}

using Step = std::function<void(CPictureText&)>;

struct CoverCase {
    const char* name;
    const char* text;
    const char* tile;
    std::vector<Step> steps;
};

void PrintTo(const CoverCase& c, std::ostream* os) { *os << c.name; }

class PictureTextCoverTest : public testing::TestWithParam<CoverCase> {};

// Each step leaves on the screen every pixel a full repaint shows, outside the column too.
TEST_P(PictureTextCoverTest, ScreenEqualsAFullRepaintAfterEachStep)
{
    ShownPage page(GetParam().text, GetParam().tile);
    int step = 0;
    for (const Step& next : GetParam().steps) {
        next(*page.control);
        ASSERT_EQ(Shown(*page.control), Painted(page.control)) << "after step " << ++step;
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
// A still view, scrolled on by ticks in the smiley's column: its wide line stays beside it.
const Step kStillViewScrolled = [](CPictureText& c) {
    c.Stop();
    Shown(c);
    Ticks(c, 15);
};
// Running on, the column widens to the wide line over what the still view left.
const Step kRunWider = [](CPictureText& c) {
    c.SetRunning(true);
    Ticks(c, 40);
};

const char* const kSmiley = "MYIMAGEU^";
const char* const kSmileyAndWide = "MYIMAGEU^|WWWWWWWWWWWWWWWW\t|";

INSTANTIATE_TEST_SUITE_P(
    Steps, PictureTextCoverTest,
    testing::Values(CoverCase{"PausedRepaint", kSmiley, "BACKI1", {kPictureBeyondColumn, kPause, kResume, kTick}},
                    CoverCase{"TicksWhilePaused", kSmiley, "BACKI1", {kPictureBeyondColumn, kPause, kTick, kResume}},
                    CoverCase{"PausedRepaintWithoutTile", kSmiley, "NO SUCH TILE", {kPictureBeyondColumn, kPause, kResume, kTick}},
                    CoverCase{"ColumnWidens", kSmileyAndWide, "BACKI1", {kStillViewScrolled, kRunWider}},
                    CoverCase{"ColumnWidensWithoutTile", kSmileyAndWide, "NO SUCH TILE", {kStillViewScrolled, kRunWider}}),
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
