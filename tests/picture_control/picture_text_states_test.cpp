// Pausing, stopping and restarting the picture-text control; its still view; its timer.
#include <QAbstractEventDispatcher>
#include <QPainter>
#include <gtest/gtest.h>

#include "picture_text_helper.h"
#include "qt_print.h"

namespace {

const int W = kPageSize.width();
const int H = kPageSize.height();

TEST(PictureTextStatesTest, PausedControlRepaintsItsFrozenFrame)
{
    auto control = MakeControl("MANUAL2^|BITMAP1^|");
    auto twin = MakeControl("MANUAL2^|BITMAP1^|");
    control->Start();
    twin->Start();
    Ticks(*control, 60);
    Ticks(*twin, 61);
    const QImage before = Painted(control.get());
    control->SetRunning(false);
    EXPECT_FALSE(control->IsRunning());
    control->repaint();
    EXPECT_EQ(Painted(control.get()), before);
    // Resuming goes on from the same frame, as if it had never paused.
    control->SetRunning(true);
    control->RunTicks(1);
    EXPECT_EQ(Painted(control.get()), Painted(twin.get()));
}

TEST(PictureTextStatesTest, StopShowsTheStillViewCentred)
{
    auto control = MakeControl("MYIMAGEU^");
    control->Start();
    Ticks(*control, 30);
    control->Stop();
    EXPECT_FALSE(control->IsRunning());
    EXPECT_EQ(Painted(control.get()),
              WithPicture(TileOnly(kPageSize), "MYIMAGEU", QPoint((W - 24) / 2, (H - 24) / 2)));
}

// A picture taller than half the control stands centred with the tile alone above it, though
// moving the block down overlapped the rows it was first drawn in.
TEST(PictureTextStatesTest, StillViewOfATallPictureClearsTheRowsAboveIt)
{
    EXPECT_EQ(Painted(MakeControl("MANUAL1^").get()),
              WithPicture(TileOnly(kPageSize), "MANUAL1", QPoint((W - 164) / 2, (H - 180) / 2)));
}

// A new control shows its text still, pictures one below the other from the top when they fill
// the control; a text that is taller than the control is cut at its bottom edge.
TEST(PictureTextStatesTest, StillViewStacksLinesFromTheTop)
{
    auto control = MakeControl("MANUAL1^|MANUAL2^|");
    QImage expected = WithPicture(TileOnly(kPageSize), "MANUAL1", QPoint((W - 164) / 2, 0));
    expected = WithPicture(expected, "MANUAL2", QPoint((W - 82) / 2, 180));
    EXPECT_EQ(Painted(control.get()), expected);
}

TEST(PictureTextStatesTest, PictureNamesIgnoreCaseInTheStillView)
{
    EXPECT_EQ(Painted(MakeControl("Glimmerjig^").get()), Painted(MakeControl("GLIMMERJIG^").get()));
}

// A picture that cannot be loaded is text with its "^": in the still view in the style in
// effect, the same as a small-text line of those characters.
TEST(PictureTextStatesTest, FailingPictureIsDrawnAsTextInTheStillView)
{
    const QImage asPicture = Painted(MakeControl("x\r|NOSUCH^").get());
    EXPECT_EQ(asPicture, Painted(MakeControl("x\r|NOSUCH^\r").get()));
    EXPECT_NE(asPicture, Painted(MakeControl("x\r|NOSUCH\r").get()));
}

// While scrolling it shows the same glyphs as the still view draws before any style is chosen.
TEST(PictureTextStatesTest, FailingPictureIsDrawnAsTextWhileScrolling)
{
    const QImage tile = TileOnly(kPageSize);
    auto still = MakeControl("NOSUCH^");
    const QImage stillFrame = Painted(still.get());
    const QRect stillInk = Ink(stillFrame, tile);
    ASSERT_FALSE(stillInk.isEmpty());

    auto control = MakeControl("NOSUCH^");
    control->Start();
    Ticks(*control, 14 + 40);  // fetched on the 15th tick, again on the 30th and 45th
    const QImage frame = Painted(control.get());
    const QRect ink = Ink(frame, tile);
    ASSERT_FALSE(ink.isEmpty());
    // The topmost copy, which has emerged completely.
    const QRect top(ink.left(), ink.top(), ink.width(), stillInk.height());
    EXPECT_EQ(frame.copy(top), stillFrame.copy(stillInk));
}

// The interval of the timer that wakes a control, as the event dispatcher has it; -1 for none.
int WakeInterval(CPictureText& control)
{
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&control);
    return timers.size() == 1 ? timers.front().interval : -1;
}

// A control wakes once for as many ticks as span a display frame, and only while it runs
// and shows.
TEST(PictureTextStatesTest, WakesPerFrameOnlyWhileRunningAndShown)
{
    QWidget window;
    window.resize(kPageSize);
    auto* control = new CPictureText(&window);
    control->resize(kPageSize);
    control->SetText("x", '|');
    control->SetSpeed(kFastSpeed, 0);
    control->Start();
    EXPECT_EQ(WakeInterval(*control), -1);
    window.show();
    EXPECT_EQ(WakeInterval(*control), 20);  // two 10 ms ticks a wake
    control->SetSpeed(kMediumSpeed, 0);
    control->Start();
    EXPECT_EQ(WakeInterval(*control), 40);
    window.showMinimized();
    EXPECT_EQ(WakeInterval(*control), -1);
    control->SetRunning(true);
    EXPECT_EQ(WakeInterval(*control), -1);
    window.showNormal();
    EXPECT_EQ(WakeInterval(*control), 40);
    control->SetRunning(false);
    EXPECT_EQ(WakeInterval(*control), -1);
    control->SetRunning(true);
    window.hide();
    EXPECT_EQ(WakeInterval(*control), -1);
    control->Stop();
    window.show();
    EXPECT_EQ(WakeInterval(*control), -1);
}

TEST(PictureTextStatesTest, ClearedControlDoesNotStart)
{
    auto control = MakeControl("MANUAL2^");
    control->ClearText();
    EXPECT_FALSE(control->Start());
    EXPECT_FALSE(control->IsRunning());
    EXPECT_EQ(Painted(control.get()), TileOnly(kPageSize));
}

// A picture cut short by Stop emerges again from its top after Start, before the first line.
TEST(PictureTextStatesTest, EmergingPictureSurvivesARestart)
{
    auto control = MakeControl("MANUAL2^|MANUAL1^|");
    control->Start();
    Ticks(*control, 14 + 50);
    control->Stop();
    Painted(control.get());
    control->Start();
    Ticks(*control, 10);
    EXPECT_EQ(Painted(control.get()),
              WithPicture(TileOnly(kPageSize), "MANUAL2", QPoint((W - 82) / 2, H - 10), 10));
}

TEST(PictureTextStatesTest, SlotsOutOfRangeAreIgnored)
{
    auto control = MakeControl("MYIMAGEU^");
    const QImage before = Painted(control.get());
    control->SetColor(5, Rgb(1, 2, 3));
    control->SetColor(-1, Rgb(1, 2, 3));
    control->Stop();
    EXPECT_EQ(Painted(control.get()), before);
}

// At a whole-number scale factor every pixel becomes a block: nothing is smoothed.
TEST(PictureTextStatesTest, ScaledControlIsNotSmoothed)
{
    auto control = MakeControl("BITMAP1^|Glimmerjig\t", kAboutSize, "BACKI2");
    control->SetColor(1, Rgb(0, 0, 255));
    QImage image(kAboutSize * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    control->render(&image);
    const QImage once = Painted(control.get());
    for (int y = 0; y < once.height(); ++y)
        for (int x = 0; x < once.width(); ++x)
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                ASSERT_EQ(image.pixel(2 * x + d.x(), 2 * y + d.y()), once.pixel(x, y)) << x << "," << y;
}

}  // namespace
