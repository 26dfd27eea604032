// What the screen shows of a scrolling control after each frame: the window's backing store,
// which keeps what earlier frames drew wherever a repaint did not reach.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "picture_text_helper.h"
#include "qt_print.h"

namespace {

// Frames of 1 to 9 ticks through the game page, started over its still view: its pictures,
// the column widening while they emerge, and the text lines between them. After every frame
// the screen equals a twin control ticked one tick at a time and painted whole.
TEST(PictureTextFrameTest, EachFrameShowsExactlyTheTicksRunSoFar)
{
    QWidget window;
    window.resize(kPageSize + QSize(20, 20));
    auto* control = new CPictureText(&window);
    control->setGeometry(QRect(QPoint(10, 10), kPageSize));
    StartAsHelpPage(*control, 0);
    control->SetSpeed(kSlowSpeed, 1000000);  // no wake of its own during the test
    control->Stop();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_NE(OnScreen(window, control->geometry()), TileOnly(kPageSize));  // the still view
    control->Start();
    auto twin = ReferencePage(0, kPageSize);

    const int frames[] = {1, 2, 1, 3, 9, 2, 2, 1, 5, 7, 2, 1, 4};
    int ticks = 0;
    for (int round = 0; ticks < 900; ++round) {
        const int count = frames[round % std::size(frames)];
        control->RunTicks(count);
        Ticks(*twin, count);
        ticks += count;
        QApplication::processEvents();
        ASSERT_EQ(OnScreen(window, control->geometry()), Painted(twin.get())) << "after tick " << ticks;
    }
}

}  // namespace
