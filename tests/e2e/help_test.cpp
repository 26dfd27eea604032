// The help window of the real game: it opens from the Help button, scrolls, changes tabs,
// closes with Esc leaving the game playable, and its GoTo button hands the web site over.
#include <QThread>
#include <gtest/gtest.h>

#include "base/product.h"
#include "board_view.h"
#include "game_session.h"
#include "test_desktop.h"

namespace {

using namespace board_view;

const QSize kHelpSize(405, 293);
// The page's area in the help window: the tab control's top plus the page's offset in it.
const QRect kPageArea(2, 3 + 22, 401, 224);
// A point inside each tab, left to right, and the GoTo button's centre.
constexpr int kTabX[] = {30, 90, 135, 178, 216, 258, 305, 350};
constexpr int kTabY = 12;
const QPoint kGoTo(158 + 79, 263 + 11);

// A desktop of the test's own, on the display the test runs on, so the game can reach it.
class DesktopOnThisDisplay : public CTestDesktop {
public:
    explicit DesktopOnThisDisplay(QByteArray display = qgetenv("DISPLAY")) { Set("DISPLAY", display); }
};

class HelpTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(game.Start()); }

    QRect OpenHelp()
    {
        game.Click(Centre({PxX(1), PxY(1)}));
        return game.WaitForWindow(kHelpSize, 10000);
    }

    DesktopOnThisDisplay desktop;  // before the game, which takes its environment
    GameSession game;
};

TEST_F(HelpTest, HelpScrollsEachTabAndEscLeavesThePlayableGame)
{
    const QRect help = OpenHelp();
    ASSERT_FALSE(help.isEmpty()) << "no help window";
    const QRect page = kPageArea.translated(help.topLeft());
    QImage before = game.ScreenshotOf(page, QStringLiteral("help-scroll-a"));
    QThread::msleep(300);
    EXPECT_NE(game.ScreenshotOf(page, QStringLiteral("help-scroll-b")), before) << "the text does not scroll";

    before = game.ScreenshotOf(help, QStringLiteral("help-tab0"));
    for (int tab = 1; tab < 8; ++tab) {
        SCOPED_TRACE(tab);
        game.ClickScreen(help.topLeft() + QPoint(kTabX[tab], kTabY));
        QThread::msleep(1500);
        const QImage shown = game.ScreenshotOf(help, QStringLiteral("help-tab%1").arg(tab));
        EXPECT_NE(shown.copy(kPageArea), before.copy(kPageArea));
        before = shown;
    }

    game.Key("Escape");
    EXPECT_FALSE(game.StillShows(kHelpSize, 2000)) << "Esc did not close Help";
    EXPECT_EQ(game.WaitForExit(500), -1) << "the game ended";
    game.Click(Centre(SmileyCell(9, 4)));
    QThread::msleep(4000);
    const Board board = Read(game.Screenshot(QStringLiteral("help-after")));
    EXPECT_GT(board.grey, 5) << "the click on the board did nothing";
    EXPECT_EQ(board.yellow + board.grey, 45);
    EXPECT_TRUE(desktop.Recorded().isEmpty());
}

TEST_F(HelpTest, GoToHandsTheWebSiteToTheDesktopAndEndsTheGame)
{
    desktop.RegisterHandler();
    const QRect help = OpenHelp();
    ASSERT_FALSE(help.isEmpty()) << "no help window";
    game.ClickScreen(help.topLeft() + kGoTo);
    EXPECT_EQ(game.WaitForExit(15000), 0);
    EXPECT_EQ(desktop.Recorded(), QStringLiteral("https://") + QString::fromLatin1(kWebHost));
}

}  // namespace
