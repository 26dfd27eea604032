// The demo: the computer plays size 9 against itself until the mouse moves.
#include "flow_fixture.h"

#include <algorithm>

#include "flow/flow_state.h"
#include "flow/history.h"
#include "game/board.h"
#include "game/opponent.h"
#include "game/random_cell.h"

using ::testing::ElementsAre;

using Demo = FlowTest;

TEST_F(Demo, StopsWhenThePlayerStirsAndLeavesLevelAndScore)
{
    g_nPlayerScore = 3;
    g_nComputerScore = 4;
    flow.OnLevel(1);
    flow.NewGame(5);
    flow.PlayerMove(55);
    ASSERT_TRUE(g_bGameOn);
    view.StirAtPoll(3);
    flow.OnDemo();

    EXPECT_EQ(view.Polls(), 3);  // two still passes, the pass that saw the player
    EXPECT_EQ(g_nPlayerScore, 3u);
    EXPECT_EQ(g_nComputerScore, 4u);
    EXPECT_EQ(g_nLevel, 1);
    EXPECT_EQ(view.CheckedLevel(), 1);
    EXPECT_EQ(g_nSize, 9);
    EXPECT_EQ(view.CheckedSize(), 9);
    EXPECT_EQ(BoardLayout(), "987654321");
    EXPECT_EQ(g_nHistory, 0);
    EXPECT_FALSE(g_bDemo);
    EXPECT_FALSE(g_bGameOn);
    EXPECT_TRUE(g_bSound);
    EXPECT_TRUE(CellsFollowBoard(view));
    // Unfinished: the closing click is heard, no win cue.
    EXPECT_TRUE(view.Log("cue 243").empty());
    EXPECT_TRUE(view.Log("cue 245").empty());
    EXPECT_TRUE(view.Log("cue 246").empty());
}

namespace {

unsigned FixedSeed()
{
    return 20261207;
}

}  // namespace

TEST_F(Demo, OpensWithTheRandomCellAfterASecond)
{
    SetRandomSeedSource(FixedSeed);
    SetUpBoard(9);
    const int first = RandomCell();
    view.StirAtPoll(1);
    flow.OnDemo();
    const auto log = view.Log();
    const auto pause = std::find(log.begin(), log.end(), "pause 1000");
    ASSERT_NE(pause, log.end());
    EXPECT_EQ(*(pause - 1), "size 9");
    EXPECT_EQ(*(pause + 1), "cue 244");
    EXPECT_EQ(*(pause + 2), "smiley " + std::to_string(first) + " off");
}

TEST_F(Demo, MovesOnceASecond)
{
    view.StirAtPoll(5);
    flow.OnDemo();
    const auto& events = view.Events();
    std::vector<size_t> polls;
    for (size_t i = 0; i < events.size(); ++i)
        if (events[i].what == "watch" || events[i].what == "stirred?")
            polls.push_back(i);
    ASSERT_EQ(polls.size(), 6u);
    // Every pass waits a second, asks whether the player has stirred, then the side to move flashes and moves.
    for (size_t p = 1; p < polls.size(); ++p) {
        const size_t at = polls[p];
        EXPECT_EQ(events[at - 1].what, "pause 1000");
        std::vector<std::string> timing;
        const size_t end = p + 1 < polls.size() ? polls[p + 1] - 1 : events.size();
        for (size_t i = at + 1; i < end; ++i)
            if (events[i].what.rfind("pause", 0) == 0)
                timing.push_back(events[i].what);
        if (p + 1 < polls.size()) {
            EXPECT_THAT(timing, ElementsAre("pause 250", "pause 250", "pause 250", "pause 250"));
            EXPECT_GE(events[end].ms - events[at].ms, 1000 + 50);
        }
    }
}

TEST_F(Demo, FinishedGameLoopsOnceThenEndsWithTheWinCue)
{
    view.StirAtPoll(60);  // longer than any game of size 9
    flow.OnDemo();
    EXPECT_EQ(view.Log("cue 245").size(), 1u);
    EXPECT_EQ(view.Log("cue 243").size(), 1u);
    EXPECT_FALSE(view.Looping());
    EXPECT_FALSE(g_bPlayerWon);
    EXPECT_TRUE(g_bSound);
    EXPECT_EQ(g_nPlayerScore + g_nComputerScore, 0u);
    EXPECT_TRUE(view.Messages().empty());
    // After the loop started nothing is heard until the win cue: the closing click is lost.
    const auto log = view.Log("cue");
    const auto loop = std::find(log.begin(), log.end(), "cue 245");
    ASSERT_NE(loop, log.end());
    EXPECT_EQ(*(loop + 1), "cue 243");
    EXPECT_EQ(*(loop + 2), "cue 244");  // the new board
    EXPECT_EQ(loop + 3, log.end());
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(Demo, WithSoundOffStaysSilentAndShowsNoMessage)
{
    g_bSound = false;
    view.StirAtPoll(60);
    flow.OnDemo();
    EXPECT_TRUE(view.Log("cue").empty());
    EXPECT_TRUE(view.Messages().empty());
    EXPECT_FALSE(g_bSound);
    EXPECT_EQ(g_nPlayerScore + g_nComputerScore, 0u);
}

TEST_F(Demo, EarlierWinDoesNotSoundAfterAnUnfinishedTwoPlayerDemo)
{
    Arrange(4, {41, 31, 22});
    flow.PlayerMove(21);
    ASSERT_TRUE(g_bPlayerWon);
    flow.OnBack();  // two players: the demo's first move gets no reply
    ASSERT_TRUE(g_bTwoPlayers);
    view.ClearLog();
    view.StirAtPoll(1);
    flow.OnDemo();
    EXPECT_TRUE(view.Log("cue 243").empty());
    EXPECT_TRUE(g_bTwoPlayers);
    EXPECT_EQ(g_nPlayerScore, 1u);
}
