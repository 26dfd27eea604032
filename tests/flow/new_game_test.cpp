// Start-up, the size and level buttons, the score box and the Sound switch.
#include "flow_fixture.h"

#include "flow/flow_state.h"
#include "flow/history.h"
#include "game/board.h"

using ::testing::ElementsAre;

TEST(StartUp, FirstBoardIsSilentAndSoundComesOnLast)
{
    g_bSound = true;  // whatever came before, start-up sets up the board in silence
    g_bGameOn = false;
    FakeView view;
    CGameFlow flow(view);
    flow.Start();

    EXPECT_TRUE(view.Log("cue").empty());
    EXPECT_TRUE(g_bSound);
    EXPECT_FALSE(g_bTwoPlayers);
    EXPECT_EQ(view.Score(), "00  : 00");
    EXPECT_EQ(flow.ScoreText(), "00  : 00");
    EXPECT_EQ(g_nLevel, 3);
    EXPECT_EQ(view.CheckedLevel(), 3);
    EXPECT_EQ(view.CheckedSize(), 9);
    EXPECT_EQ(g_nInitialCount, 45);
    EXPECT_EQ(BoardLayout(), "987654321");
    EXPECT_TRUE(view.ToolsEnabled());
    EXPECT_TRUE(CellsFollowBoard(view));
    EXPECT_EQ(view.Now(), 0);
    // The score is shown before the board is set up.
    EXPECT_EQ(view.Events().front().what, "score 00  : 00");
}

using SizeButton = FlowTest;

TEST_F(SizeButton, SetsUpEverySizeWithOneClick)
{
    for (int size = 4; size <= 9; ++size) {
        view.ClearLog();
        flow.NewGame(size);
        EXPECT_EQ(g_nSize, size);
        EXPECT_EQ(g_nInitialCount, CountColumns());
        EXPECT_EQ(g_board[0], size);
        EXPECT_EQ(g_nHistory, 0);
        EXPECT_EQ(std::string(g_history[0]), BoardLayout());
        EXPECT_EQ(view.CheckedSize(), size);
        EXPECT_THAT(view.Log("cue"), ElementsAre("cue 244"));
        EXPECT_TRUE(CellsFollowBoard(view)) << "size " << size;
    }
}

TEST_F(SizeButton, NewGameTurnsMirrorsBackToWhiteSmileys)
{
    flow.PlayerMove(91);
    ASSERT_TRUE(view.MirrorShown(91));
    flow.NewGame(4);
    for (int height = 1; height <= 9; ++height)
        EXPECT_FALSE(view.MirrorShown(90 + height));
    EXPECT_FALSE(view.SmileyShown(91));
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(SizeButton, InGameInProgressGivesComputerAPointBeforeTheNewBoard)
{
    flow.PlayerMove(99);
    ASSERT_TRUE(g_bGameOn);
    view.ClearLog();
    flow.NewGame(6);
    EXPECT_EQ(g_nComputerScore, 1u);
    EXPECT_EQ(g_nPlayerScore, 0u);
    EXPECT_THAT(view.Log("cue"), ElementsAre("cue 246", "cue 244"));
    EXPECT_EQ(view.Score(), "00  : 01");
    EXPECT_FALSE(g_bGameOn);
    // The point is shown once its cue has sounded.
    const auto log = view.Log();
    EXPECT_EQ(log[0], "cue 246");
    EXPECT_EQ(log[1], "score 00  : 01");
}

TEST_F(SizeButton, AlreadySelectedSizeStartsANewGameAndCountsTheAbandonedOne)
{
    flow.PlayerMove(99);
    view.ClearLog();
    flow.NewGame(9);
    EXPECT_EQ(g_nComputerScore, 1u);
    EXPECT_EQ(BoardLayout(), "987654321");
    EXPECT_EQ(g_nHistory, 0);
    EXPECT_THAT(view.Log("cue"), ElementsAre("cue 246", "cue 244"));
}

TEST_F(SizeButton, FreshOrOpenedGameIsNotCounted)
{
    flow.NewGame(5);  // fresh
    flow.OnHint();    // opened: the computer's opening, no reply
    ASSERT_EQ(g_nHistory, 1);
    ASSERT_FALSE(g_bGameOn);
    view.ClearLog();
    flow.NewGame(7);
    EXPECT_EQ(g_nComputerScore, 0u);
    EXPECT_THAT(view.Log("cue"), ElementsAre("cue 244"));
}

using LevelButton = FlowTest;

TEST_F(LevelButton, OutsideAGameOnlyClicks)
{
    flow.NewGame(6);
    view.ClearLog();
    flow.OnLevel(1);
    EXPECT_EQ(g_nLevel, 1);
    EXPECT_EQ(view.CheckedLevel(), 1);
    EXPECT_THAT(view.Log(), ElementsAre("level 1", "cue 244"));
    EXPECT_EQ(g_nSize, 6);
}

TEST_F(LevelButton, SameLevelInAGameRestartsWithoutAPoint)
{
    flow.NewGame(7);
    flow.PlayerMove(77);
    ASSERT_TRUE(g_bGameOn);
    view.ClearLog();
    flow.OnLevel(3);
    EXPECT_EQ(g_nComputerScore, 0u);
    EXPECT_EQ(g_nPlayerScore, 0u);
    EXPECT_FALSE(g_bGameOn);
    EXPECT_EQ(g_nSize, 7);
    EXPECT_EQ(BoardLayout(), "007654321");
    EXPECT_THAT(view.Log("cue"), ElementsAre("cue 244"));
    EXPECT_EQ(view.Log()[0], "level 3");
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(LevelButton, TakesEffectOnTheNextReply)
{
    // Taking column 6 leaves columns 1..5 full, where the levels part ways.
    flow.NewGame(6);
    flow.OnLevel(1);
    flow.PlayerMove(61);
    const int easyReply = g_nLastMove;
    flow.NewGame(6);
    flow.OnLevel(3);
    flow.PlayerMove(61);
    EXPECT_EQ(easyReply, 11);
    EXPECT_EQ(g_nLastMove, 33);
    EXPECT_EQ(view.CheckedLevel(), 3);
}

using Score = FlowTest;

TEST_F(Score, WrapsToZeroWhenOneSidePassesNinetyNine)
{
    g_nPlayerScore = 99;
    g_nComputerScore = 5;
    Arrange(4, {41, 31, 22});  // (1: 1, 2: 1)
    flow.PlayerMove(21);
    EXPECT_EQ(view.Score(), "00  : 00");
    EXPECT_EQ(g_nPlayerScore, 0u);
    EXPECT_EQ(g_nComputerScore, 0u);
}

TEST_F(Score, ComputerWrapAlsoClearsThePlayer)
{
    g_nPlayerScore = 42;
    g_nComputerScore = 99;
    flow.PlayerMove(99);
    flow.NewGame(9);
    EXPECT_EQ(view.Score(), "00  : 00");
}

TEST_F(Score, TwoDigitsEachWithTheFixedSeparator)
{
    g_nPlayerScore = 7;
    g_nComputerScore = 12;
    flow.PlayerMove(99);
    flow.NewGame(9);
    EXPECT_EQ(view.Score(), "07  : 13");
    EXPECT_EQ(flow.ScoreText(), view.Score());
}

using SoundSwitch = FlowTest;

TEST_F(SoundSwitch, TogglesSilently)
{
    flow.OnSound();
    EXPECT_FALSE(g_bSound);
    flow.OnSound();
    EXPECT_TRUE(g_bSound);
    EXPECT_TRUE(view.Events().empty());
}

TEST_F(SoundSwitch, SoundOffRemovesWithTenMillisecondSteps)
{
    flow.OnSound();
    flow.NewGame(4);
    g_bTwoPlayers = true;
    view.ClearLog();
    flow.PlayerMove(42);  // three smileys
    EXPECT_THAT(view.Log("pause"), ElementsAre("pause 10", "pause 10", "pause 10"));
    EXPECT_TRUE(view.Log("cue").empty());
    EXPECT_EQ(view.Now(), 30);
}
