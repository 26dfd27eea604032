// A player's view of the real game: the window on an X display, clicked and read back.
#include <gtest/gtest.h>

#include "board_view.h"
#include "game_session.h"
#include "poll.h"

namespace {

using namespace board_view;

const QSize kHelpSize(405, 293);

class PlayTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(Picture("MYIMAGEU").isNull());
        ASSERT_TRUE(game.Start());
    }
    GameSession game;
};

TEST_F(PlayTest, StartBoardShowsYellowSmileysAndWhiteMirrorsAndEscQuits)
{
    const QImage window = game.SettledScreenshot(QStringLiteral("start"));
    EXPECT_TRUE(IsStartBoard(window));
    EXPECT_EQ(window.pixelColor(316, 150), QColor(192, 192, 192));

    game.Key("Escape");
    EXPECT_EQ(game.WaitForExit(10s), 0);
}

TEST_F(PlayTest, SizeFourLeavesTheLeftColumnsEmpty)
{
    game.Click({PxX(12) + 10, PxY(70) + 10});
    const QImage window = game.SettledScreenshot(QStringLiteral("size4"));
    for (int c = 1; c <= 9; ++c)
        for (int h = 1; h <= c; ++h)
            EXPECT_TRUE(Shows(window, SmileyCell(c, h), Picture(c <= 4 ? "MYIMAGEU" : "MYIMAGEX"))) << c << h;
    EXPECT_EQ(Read(window).white, 45);
}

TEST_F(PlayTest, MoveTurnsMirrorsCyanAndTheComputerReplies)
{
    game.Click(Centre(SmileyCell(9, 4)));
    const QImage window = game.SettledScreenshot(QStringLiteral("move"));
    for (int h = 4; h <= 9; ++h) {
        EXPECT_TRUE(Shows(window, SmileyCell(9, h), Picture("MYIMAGEX"))) << h;
        EXPECT_TRUE(Shows(window, MirrorCell(9, h), Picture("IMAGEU"))) << h;
    }
    const Board board = Read(window);
    EXPECT_EQ(board.other, 0);
    EXPECT_GT(board.grey, 6);  // the computer took at least one more
    EXPECT_EQ(board.grey, board.cyan);
    EXPECT_EQ(board.yellow, board.white);
    EXPECT_EQ(board.yellow + board.grey, 45);
}

// A keyboard player sees where each Tab press puts the focus: on the tool buttons, the level
// buttons and the board of the game window, and on the buttons of Help, opened with F1.
TEST_F(PlayTest, EachTabPressShowsWhereTheFocusWent)
{
    const auto tabs = [this](const std::function<QImage(const QString&)>& shoot, const char* where) {
        QImage shown = shoot(QStringLiteral("%1-tab0").arg(QLatin1String(where)));
        for (int press = 1; press <= 8; ++press) {
            game.Key("Tab");
            QImage next;
            EXPECT_TRUE(support::PollUntil(
                [&] { return (next = shoot(QStringLiteral("%1-tab%2").arg(QLatin1String(where)).arg(press))) != shown; }))
                << where << ": Tab press " << press << " changed nothing";
            shown = next;
        }
    };
    game.SettledScreenshot(QStringLiteral("window-tab0"));
    tabs([this](const QString& name) { return game.Screenshot(name); }, "window");

    game.Key("F1");
    const QRect help = game.WaitForWindow(kHelpSize, 10s);
    ASSERT_FALSE(help.isEmpty()) << "F1 did not open Help";
    // The row of buttons under the scrolling page.
    const QRect buttons(help.left(), help.top() + 258, help.width(), help.height() - 258);
    tabs([&](const QString& name) { return game.ScreenshotOf(buttons, name); }, "help");
}

// Qt's own options reach Qt: the display named on the command line alone, the window placed
// where -qwindowgeometry says, the style named by -style.
TEST(QtOptionsTest, TheDisplayAndGeometryGivenOnTheCommandLineAreUsed)
{
    GameSession game;
    game.RemoveEnvironment(QStringLiteral("DISPLAY"));
    game.SetArguments({"-display", qEnvironmentVariable("DISPLAY"), "-qwindowgeometry", "+120+80", "-style", "windows"});
    ASSERT_TRUE(game.Start()) << "no window on the display given";
    EXPECT_EQ(game.Origin(), QPoint(120, 80));
    EXPECT_TRUE(IsStartBoard(game.SettledScreenshot(QStringLiteral("qt-options"))));
}

}  // namespace
