// Hint: the computer's opening on an untouched board, and the flashed best move later on.
#include "flow_fixture.h"

#include <algorithm>

#include "flow/flow_state.h"
#include "flow/history.h"
#include "game/board.h"

using ::testing::ElementsAre;

using Hint = FlowTest;

TEST_F(Hint, OpensEverySizeAndLeavesTheNextMoveToThePlayer)
{
    struct Opening {
        int size;
        int column;
        int left;  // smileys that stay in that column
    };
    const Opening openings[] = {{4, 4, 0}, {5, 1, 0}, {6, 6, 1}, {7, 4, 3}, {8, 8, 0}, {9, 9, 8}};
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.size);
        flow.NewGame(o.size);
        const std::string start = BoardLayout();
        view.ClearLog();
        flow.OnHint();
        std::string expected = start;
        expected[9 - o.column] = static_cast<char>('0' + o.left);
        EXPECT_EQ(BoardLayout(), expected);
        EXPECT_EQ(g_nHistory, 1);
        EXPECT_EQ(std::string(g_history[1]), expected);
        EXPECT_EQ(g_nLastMove, 10 * o.column + o.left + 1);
        EXPECT_FALSE(g_bGameOn);
        // Flashed, then removed smiley by smiley; no reply.
        const int taken = o.column - o.left;
        std::vector<std::string> timing(4, "pause 250");
        timing.insert(timing.end(), taken, "cue 244");
        std::vector<std::string> heard;
        for (const std::string& e : view.Log())
            if (e.rfind("pause", 0) == 0 || e.rfind("cue", 0) == 0)
                heard.push_back(e);
        EXPECT_EQ(heard, timing);
        EXPECT_TRUE(CellsFollowBoard(view));
    }
}

TEST_F(Hint, FlashesTheLevelThreeMoveAndChangesNothing)
{
    // Columns 1..5 full: level I would take 11, the best move lowers column 3.
    flow.NewGame(6);
    flow.OnLevel(1);
    g_bTwoPlayers = true;
    flow.PlayerMove(61);
    const std::string before = BoardLayout();
    const int moves = g_nHistory;
    view.ClearLog();
    const long long start = view.Now();
    flow.OnHint();
    EXPECT_EQ(g_nLevel, 1);
    EXPECT_TRUE(view.Log("level").empty());
    EXPECT_EQ(g_nLastMove, 33);
    EXPECT_EQ(BoardLayout(), before);
    EXPECT_EQ(g_nHistory, moves);
    EXPECT_TRUE(CellsFollowBoard(view));
    // Two flashes of smileys 33 (off, on, off, on each), 250 ms a phase, silent.
    EXPECT_THAT(view.Log("smiley"), ElementsAre("smiley 33 off", "smiley 33 on", "smiley 33 off",
                                                "smiley 33 on", "smiley 33 off", "smiley 33 on",
                                                "smiley 33 off", "smiley 33 on"));
    EXPECT_EQ(view.Log("pause 250").size(), 8u);
    EXPECT_TRUE(view.Log("cue").empty());
    EXPECT_EQ(view.Now() - start, 2000);
}

TEST_F(Hint, InTwoPlayerModeMarksTheGameInProgress)
{
    flow.NewGame(6);
    flow.OnBack();
    flow.PlayerMove(61);
    ASSERT_FALSE(g_bGameOn);
    flow.OnHint();
    EXPECT_TRUE(g_bGameOn);
    flow.NewGame(6);
    EXPECT_EQ(g_nComputerScore, 1u);
}

TEST_F(Hint, WithOneColumnLeftDoesNothing)
{
    Arrange(4, {31, 21, 11});  // only column 4 stands
    g_bGameOn = false;
    const std::string before = BoardLayout();
    flow.OnHint();
    EXPECT_TRUE(view.Events().empty());
    EXPECT_EQ(BoardLayout(), before);
    EXPECT_FALSE(g_bGameOn);
}
