// The control's public API used otherwise than its hosts use it: ticks given by hand to a
// stopped control, pauses and resumes, a column that widens over what an earlier still view
// left, a key colour changed while it runs. The screen shows what a full repaint shows.
#include <QWidget>
#include <functional>
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

struct CoverCase {
    const char* name;
    const char* tile;
    std::function<void(CPictureText&)> steps[3];
};

void PrintTo(const CoverCase& c, std::ostream* os) { *os << c.name; }

class PictureTextCoverTest : public testing::TestWithParam<CoverCase> {};

// Each step leaves on the screen every pixel a full repaint shows, outside the column too.
TEST_P(PictureTextCoverTest, ScreenEqualsAFullRepaintAfterEachStep)
{
    // After its first pass the column stays as wide as the smiley, 24 pixels; the wider
    // picture of the next text is drawn beyond it.
    ShownPage page("MYIMAGEU^", GetParam().tile);
    page.control->Start();
    Ticks(*page.control, 15);
    page.control->SetText("MANUAL2^", '|');
    Ticks(*page.control, 15 + 40);
    ASSERT_EQ(Shown(*page.control), Painted(page.control)) << "before";
    int step = 0;
    for (const auto& next : GetParam().steps) {
        next(*page.control);
        ASSERT_EQ(Shown(*page.control), Painted(page.control)) << "after step " << ++step;
    }
}

const std::function<void(CPictureText&)> kPause = [](CPictureText& c) { c.SetRunning(false); };
const std::function<void(CPictureText&)> kResume = [](CPictureText& c) { c.SetRunning(true); };
const std::function<void(CPictureText&)> kTick = [](CPictureText& c) { c.RunTicks(1); };
const std::function<void(CPictureText&)> kStop = [](CPictureText& c) { c.Stop(); };
// Ticks on a still view, resumed, then the line wider than the smiley: the column widens over
// what the still view left beside it.
const std::function<void(CPictureText&)> kStillThenWider = [](CPictureText& c) {
    c.SetText("MYIMAGEU^|WWWWWWWWWWWWWWWW\t|", '|');
    c.Stop();
    Shown(c);
    Ticks(c, 15);
};
const std::function<void(CPictureText&)> kResumeAndWiden = [](CPictureText& c) {
    c.SetRunning(true);
    Ticks(c, 40);
};

INSTANTIATE_TEST_SUITE_P(
    Steps, PictureTextCoverTest,
    testing::Values(CoverCase{"PausedRepaintOverTile", "BACKI1", {kPause, kResume, kTick}},
                    CoverCase{"PausedRepaintWithoutTile", "NO SUCH TILE", {kPause, kTick, kResume}},
                    CoverCase{"ColumnWidensOverTile", "BACKI1", {kStop, kStillThenWider, kResumeAndWiden}},
                    CoverCase{"ColumnWidensWithoutTile", "NO SUCH TILE", {kStop, kStillThenWider, kResumeAndWiden}}),
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
