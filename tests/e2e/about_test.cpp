// The About box as a player meets it: from the window menu, scrolling its credits, and its
// mail button handing the mail link to the desktop before the game ends.
#include <gtest/gtest.h>

#include "base/product.h"
#include "board_view.h"
#include "game_session.h"
#include "poll.h"
#include "qt_print.h"
#include "test_desktop.h"

namespace {

using namespace board_view;

const QSize kAboutSize(209, 267);
const QRect kCredits(16, 16, 176, 206);  // inside the box's frames
const QPoint kMailButton(11 + 93, 232 + 11);

TEST(AboutTest, CreditsScrollAndTheMailButtonHandsOverTheMailLink)
{
    CTestDesktop desktop(qgetenv("DISPLAY"));
    desktop.RegisterHandler();
    GameSession game;
    ASSERT_TRUE(game.Start());

    // The window menu, from a right click on a mirror, which is disabled at the start.
    game.Click(Centre(MirrorCell(5, 2)), 3);
    game.Key("Up");  // the last item, About
    game.Key("Return");
    const QRect about = game.WaitForWindow(kAboutSize, 10s);
    ASSERT_FALSE(about.isEmpty()) << "no About box";
    const QRect credits = kCredits.translated(about.topLeft());
    // The credits open on their tile alone; the first picture rises after about 0.6 s.
    const QImage opening = game.ScreenshotOf(credits, QStringLiteral("about-credits-opening"));
    QImage before;
    ASSERT_TRUE(support::PollUntil(
        [&] { return (before = game.ScreenshotOf(credits, QStringLiteral("about-credits-a"))) != opening; }))
        << "no credits came up";
    EXPECT_TRUE(support::PollUntil([&] { return game.ScreenshotOf(credits, QStringLiteral("about-credits-b")) != before; }))
        << "the credits stand still";

    game.ClickScreen(about.topLeft() + kMailButton);
    EXPECT_EQ(game.WaitForExit(15s), 0);
    EXPECT_EQ(desktop.Recorded(), QStringLiteral("mailto:") + QString::fromLatin1(kContactEmail) +
                                      QStringLiteral("?subject=About%20Game%20Glimmerjig"));
}

}  // namespace
