// The end of a game at the computer's turn: who scores, how it is announced, what follows.
#include "flow_fixture.h"

#include <algorithm>

#include "flow/flow_state.h"
#include "flow/history.h"
#include "game/board.h"

using ::testing::ElementsAre;

namespace {

const char* const kCaption = "       Glimmerjig";

}  // namespace

using Result = FlowTest;

TEST_F(Result, LastSmileyLeftForTheComputerIsAWinWithCue)
{
    Arrange(4, {41, 31, 22});  // (1: 1, 2: 1)
    flow.PlayerMove(21);
    EXPECT_EQ(g_nPlayerScore, 1u);
    EXPECT_EQ(g_nComputerScore, 0u);
    EXPECT_THAT(view.Log("cue"), ElementsAre("cue 244", "cue 243", "cue 244"));
    EXPECT_TRUE(view.Messages().empty());
    // The computer does not move: nothing flashes, and the next board follows a pause.
    const auto log = view.Log();
    const auto win = std::find(log.begin(), log.end(), "cue 243");
    ASSERT_NE(win, log.end());
    EXPECT_EQ(*(win - 1), "score 01  : 00");
    EXPECT_EQ(*(win + 1), "pause 500");
    EXPECT_EQ(*(win + 2), "tools");
    EXPECT_THAT(view.Log("pause"), ElementsAre("pause 500", "pause 500"));
    EXPECT_TRUE(g_bPlayerWon);
    EXPECT_FALSE(g_bGameOn);
    EXPECT_EQ(g_nSize, 4);
    EXPECT_EQ(BoardLayout(), "000004321");
    EXPECT_EQ(g_nHistory, 0);
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(Result, WinWithSoundOffShowsTheMessageBox)
{
    g_bSound = false;
    Arrange(5, {51, 41, 31, 22});  // (1: 1, 2: 1)
    flow.PlayerMove(11);
    ASSERT_EQ(view.Messages().size(), 1u);
    EXPECT_EQ(view.Messages()[0].first, "You win!");
    EXPECT_EQ(view.Messages()[0].second, kCaption);
    EXPECT_EQ(view.Messages()[0].second.find_first_not_of(' '), 7u);
    EXPECT_TRUE(view.Log("cue").empty());
    const auto log = view.Log();
    const auto box = std::find(log.begin(), log.end(), "message You win!");
    ASSERT_NE(box, log.end());
    EXPECT_EQ(*(box - 1), "score 01  : 00");
    EXPECT_EQ(*(box + 1), "pause 500");
    EXPECT_EQ(g_nSize, 5);
}

TEST_F(Result, TakingTheLastSmileyIsALossWithCueAndNoPause)
{
    Arrange(4, {41, 31, 21});  // (1: 1)
    flow.PlayerMove(11);
    EXPECT_EQ(g_nComputerScore, 1u);
    EXPECT_EQ(g_nPlayerScore, 0u);
    EXPECT_FALSE(g_bPlayerWon);
    const auto log = view.Log();
    const auto loss = std::find(log.begin(), log.end(), "cue 246");
    ASSERT_NE(loss, log.end());
    EXPECT_EQ(*(loss - 1), "score 00  : 01");
    EXPECT_EQ(*(loss + 1), "tools");
    EXPECT_THAT(view.Log("pause"), ElementsAre("pause 500"));
    EXPECT_EQ(BoardLayout(), "000004321");
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(Result, LossWithSoundOffShowsTheMessageBox)
{
    g_bSound = false;
    Arrange(4, {41, 31, 21});
    flow.PlayerMove(11);
    ASSERT_EQ(view.Messages().size(), 1u);
    EXPECT_EQ(view.Messages()[0].first, "You lose!");
    EXPECT_EQ(view.Messages()[0].second, kCaption);
    EXPECT_EQ(view.Score(), "00  : 01");
}

TEST_F(Result, PlayingBadlyAtLevelThreeLosesAndTheNextGameIsTheSameSize)
{
    flow.NewGame(4);
    PlayBadlyUntilGameEnds();
    EXPECT_EQ(g_nComputerScore, 1u);
    EXPECT_EQ(g_nPlayerScore, 0u);
    EXPECT_EQ(view.Log("cue 246").size(), 1u);
    EXPECT_EQ(g_nSize, 4);
    EXPECT_FALSE(g_bGameOn);
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(Result, TwoPlayersTakeTheLastSmileyUnannounced)
{
    flow.NewGame(4);
    flow.OnBack();
    view.ClearLog();
    const int boards = view.NewBoards();
    for (int code : {41, 31, 21, 11})
        flow.PlayerMove(code);
    EXPECT_EQ(CountColumns(), 0);
    EXPECT_TRUE(view.Messages().empty());
    EXPECT_EQ(view.Log("cue").size(), 10u);  // one click per smiley removed
    EXPECT_EQ(view.Log("cue 244").size(), 10u);
    EXPECT_TRUE(view.Log("score").empty());
    EXPECT_EQ(g_nPlayerScore + g_nComputerScore, 0u);
    EXPECT_EQ(view.NewBoards(), boards);
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(Result, ClickOnACellEmptiedMeanwhileDoesNothing)
{
    flow.PlayerMove(95);
    const std::string board = BoardLayout();
    const int moves = g_nHistory;
    view.ClearLog();
    for (int code : {95, 99, 10, 0, 100})
        flow.PlayerMove(code);
    EXPECT_TRUE(view.Events().empty());
    EXPECT_EQ(BoardLayout(), board);
    EXPECT_EQ(g_nHistory, moves);
    EXPECT_EQ(std::string(g_history[g_nHistory]), board);
}
