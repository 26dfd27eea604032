// The help window of the real game: it opens from the Help button, scrolls, changes tabs,
// closes with Esc leaving the game playable, and its GoTo button hands the web site over.
#include <gtest/gtest.h>

#include "base/product.h"
#include "board_view.h"
#include "game_session.h"
#include "poll.h"
#include "qt_print.h"
#include "test_desktop.h"

namespace {

using namespace board_view;
using support::PollUntil;

const QSize kHelpSize(405, 293);
// The page's area in the help window: the tab control's top plus the page's offset in it.
const QRect kPageArea(2, 3 + 22, 401, 224);
// The row of tabs over the page, and a point inside each tab, left to right.
const QRect kTabRow(0, 3, 405, 21);
constexpr int kTabX[] = {30, 90, 135, 178, 216, 258, 305, 350};
constexpr int kTabY = 12;
constexpr int kTabs = 8;
const QPoint kGoTo(158 + 79, 263 + 11);

// The selection in the row of tabs moved from the tab left of tab to tab: the columns that
// changed reach into both and stop short of their neighbours' middles.
testing::AssertionResult SelectionMoved(const QImage& before, const QImage& after, int tab)
{
    int left = after.width(), right = -1;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    const int from = tab >= 2 ? kTabX[tab - 2] : -1;
    const int to = tab + 1 < kTabs ? kTabX[tab + 1] : after.width();
    if (right >= 0 && left <= kTabX[tab - 1] && right >= kTabX[tab] && left > from && right < to)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "columns " << left << " to " << right << " changed";
}

class HelpTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Whatever the game launches, a handler records.
        desktop.RegisterHandler();
        ASSERT_TRUE(game.Start());
    }

    QRect OpenHelp()
    {
        game.Click(Centre({PxX(1), PxY(1)}));
        return game.WaitForWindow(kHelpSize, 10s);
    }

    CTestDesktop desktop{qgetenv("DISPLAY")};  // before the game, which takes its environment
    GameSession game;
};

TEST_F(HelpTest, HelpScrollsEachTabAndEscLeavesThePlayableGame)
{
    const QRect help = OpenHelp();
    ASSERT_FALSE(help.isEmpty()) << "no help window";
    const QRect page = kPageArea.translated(help.topLeft());
    const QImage before = game.ScreenshotOf(page, QStringLiteral("help-scroll-a"));
    EXPECT_TRUE(PollUntil([&] { return game.ScreenshotOf(page, QStringLiteral("help-scroll-b")) != before; }))
        << "the text does not scroll";

    const QRect tabRow = kTabRow.translated(help.topLeft());
    QImage row = game.ScreenshotOf(tabRow, QStringLiteral("help-tab0"));
    for (int tab = 1; tab < kTabs; ++tab) {
        SCOPED_TRACE(tab);
        game.ClickScreen(help.topLeft() + QPoint(kTabX[tab], kTabY));
        QImage shown;
        ASSERT_TRUE(PollUntil([&] { return (shown = game.ScreenshotOf(tabRow, QStringLiteral("help-tab%1").arg(tab))) != row; }))
            << "the click on the tab was ignored";
        EXPECT_TRUE(SelectionMoved(row, shown, tab));
        row = shown;
    }

    game.Key("Escape");
    EXPECT_TRUE(PollUntil([&] { return game.WindowOfSize(kHelpSize).isEmpty(); })) << "Esc did not close Help";
    game.Click(Centre(SmileyCell(9, 4)));
    const Board board = Read(game.SettledScreenshot(QStringLiteral("help-after")));
    EXPECT_GT(board.grey, 5) << "the click on the board did nothing";
    EXPECT_EQ(board.yellow + board.grey, 45);
    EXPECT_TRUE(game.Running()) << "the game ended";
    EXPECT_EQ(desktop.Recorded(), QString()) << "closing Help launched something";
}

TEST_F(HelpTest, GoToHandsTheWebSiteToTheDesktopAndEndsTheGame)
{
    const QRect help = OpenHelp();
    ASSERT_FALSE(help.isEmpty()) << "no help window";
    game.ClickScreen(help.topLeft() + kGoTo);
    EXPECT_EQ(game.WaitForExit(15s), 0);
    EXPECT_EQ(desktop.Recorded(), QStringLiteral("https://") + QString::fromLatin1(kWebHost));
}

}  // namespace
