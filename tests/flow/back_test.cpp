// Back: the two-player switch on an untouched board, the restart in the first two moves, and
// taking back two moves with their animation.
#include "flow_fixture.h"

#include "flow/flow_state.h"
#include "flow/history.h"
#include "game/board.h"

using ::testing::ElementsAre;

using Back = FlowTest;

TEST_F(Back, OnAFreshBoardSwitchesTwoPlayerModeBothWays)
{
    flow.NewGame(5);
    view.ClearLog();
    flow.OnBack();
    EXPECT_TRUE(g_bTwoPlayers);
    EXPECT_THAT(view.Log("cue"), ElementsAre("cue 244"));
    // Nobody replies and nothing is scored.
    flow.PlayerMove(55);
    EXPECT_EQ(g_nHistory, 1);
    EXPECT_FALSE(g_bGameOn);
    EXPECT_TRUE(view.Log("pause").empty());

    flow.NewGame(5);
    flow.OnBack();
    EXPECT_FALSE(g_bTwoPlayers);
    flow.PlayerMove(55);
    EXPECT_EQ(g_nHistory, 2);
    EXPECT_TRUE(g_bGameOn);
    EXPECT_EQ(g_nComputerScore, 0u);
}

TEST_F(Back, AfterMoveAndReplyRestartsAndCountsALoss)
{
    flow.NewGame(7);
    flow.PlayerMove(71);
    ASSERT_EQ(g_nHistory, 2);
    view.ClearLog();
    flow.OnBack();
    EXPECT_EQ(g_nComputerScore, 1u);
    EXPECT_THAT(view.Log("cue"), ElementsAre("cue 246", "cue 244"));
    EXPECT_EQ(BoardLayout(), "007654321");
    EXPECT_EQ(g_nHistory, 0);
    EXPECT_FALSE(g_bTwoPlayers);
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(Back, AfterTheOpeningAloneRestartsWithoutAPoint)
{
    flow.NewGame(7);
    flow.OnHint();
    view.ClearLog();
    flow.OnBack();
    EXPECT_EQ(g_nComputerScore, 0u);
    EXPECT_EQ(g_nHistory, 0);
    EXPECT_THAT(view.Log("cue"), ElementsAre("cue 244"));
}

TEST_F(Back, AfterOpeningMoveAndReplyKeepsTheOpening)
{
    flow.NewGame(7);
    flow.OnHint();
    const std::string opened = BoardLayout();
    flow.PlayerMove(71);
    ASSERT_EQ(g_nHistory, 3);
    const int lastMove = g_nLastMove;
    flow.OnBack();
    EXPECT_EQ(g_nHistory, 1);
    EXPECT_EQ(BoardLayout(), opened);
    EXPECT_EQ(std::string(g_history[1]), opened);
    EXPECT_TRUE(g_bGameOn);
    EXPECT_EQ(g_nLastMove, lastMove);
    EXPECT_EQ(g_nComputerScore, 0u);
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(Back, TwiceFromFourMovesEndsInARestartCountedAsALoss)
{
    flow.NewGame(9);
    flow.PlayerMove(99);
    const std::string afterTwo = BoardLayout();
    flow.PlayerMove(SomeSmiley());
    ASSERT_EQ(g_nHistory, 4);
    flow.OnBack();
    EXPECT_EQ(g_nHistory, 2);
    EXPECT_EQ(BoardLayout(), afterTwo);
    EXPECT_TRUE(CellsFollowBoard(view));
    flow.OnBack();
    EXPECT_EQ(g_nHistory, 0);
    EXPECT_EQ(g_nComputerScore, 1u);
}

TEST_F(Back, TakesBackTwoMovesAlsoForTwoPlayers)
{
    flow.NewGame(6);
    flow.OnBack();
    flow.PlayerMove(61);
    flow.PlayerMove(52);
    flow.PlayerMove(44);
    flow.OnBack();
    EXPECT_EQ(g_nHistory, 1);
    EXPECT_EQ(BoardLayout(), "000054321");
    EXPECT_TRUE(g_bTwoPlayers);
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(Back, AnimatesEachColumnThenReturnsSmileysFromTheTopDown)
{
    flow.NewGame(6);
    flow.OnBack();
    flow.PlayerMove(61);
    flow.PlayerMove(52);  // column 5: four smileys go
    flow.PlayerMove(44);  // column 4: one smiley goes
    view.ClearLog();
    const long long start = view.Now();
    flow.OnBack();

    // The newest move first: column 4, one smiley; then column 5, four smileys.
    std::vector<std::string> expected;
    for (bool on : {true, false, true, false}) {
        expected.push_back(on ? "smiley 44 on" : "smiley 44 off");
        expected.push_back(on ? "mirror 44 off" : "mirror 44 on");
        expected.push_back("pause 250");
    }
    expected.insert(expected.end(), {"cue 244", "smiley 44 on", "mirror 44 off", "pause 500"});
    for (bool on : {true, false, true, false}) {
        for (int k = 5; k >= 2; --k) {
            expected.push_back("smiley 5" + std::to_string(k) + (on ? " on" : " off"));
            expected.push_back("mirror 5" + std::to_string(k) + (on ? " off" : " on"));
        }
        expected.push_back("pause 250");
    }
    for (int k = 5; k >= 2; --k)
        expected.insert(expected.end(), {"cue 244", "smiley 5" + std::to_string(k) + " on",
                                         "mirror 5" + std::to_string(k) + " off"});
    expected.push_back("pause 500");
    EXPECT_EQ(view.Log(), expected);
    EXPECT_EQ(view.Now() - start, 2 * (4 * 250 + 500) + 5 * 50);
}

TEST_F(Back, WithSoundOffReturnsSmileysTenMillisecondsApart)
{
    g_bSound = false;
    flow.NewGame(6);
    flow.OnBack();
    flow.PlayerMove(61);
    flow.PlayerMove(52);
    flow.PlayerMove(44);
    view.ClearLog();
    flow.OnBack();
    EXPECT_EQ(view.Log("pause 10").size(), 5u);
    EXPECT_TRUE(view.Log("cue").empty());
    EXPECT_EQ(view.Now(), view.Events().front().ms + 2 * (4 * 250 + 500) + 5 * 10);
}
