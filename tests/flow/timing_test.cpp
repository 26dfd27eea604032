// The rhythm of a move: the player's removal, the pause, the computer's flash and removal.
#include "flow_fixture.h"

#include <algorithm>

#include "flow/flow_state.h"
#include "flow/history.h"
#include "game/board.h"

namespace {

// Smileys the move recorded in entry k of the history took.
int Taken(int k)
{
    int taken = 0;
    for (int i = 0; i < 9; ++i)
        taken += g_history[k - 1][i] - g_history[k][i];
    return taken;
}

// The pauses and cues of the log, in order.
std::vector<std::string> Rhythm(const FakeView& view)
{
    std::vector<std::string> out;
    for (const std::string& e : view.Log())
        if (e.rfind("pause", 0) == 0 || e.rfind("cue", 0) == 0)
            out.push_back(e);
    return out;
}

}  // namespace

using Timing = FlowTest;

TEST_F(Timing, ComputerReplyIsPauseFourBlinkPhasesAndAClickPerSmiley)
{
    for (int level = 1; level <= 3; ++level) {
        SCOPED_TRACE(level);
        flow.OnLevel(level);
        flow.NewGame(8);
        view.ClearLog();
        const long long start = view.Now();
        flow.PlayerMove(83);
        ASSERT_EQ(g_nHistory, 2);
        std::vector<std::string> expected(Taken(1), "cue 244");
        expected.push_back("pause 500");
        expected.insert(expected.end(), 4, "pause 250");
        expected.insert(expected.end(), Taken(2), "cue 244");
        EXPECT_EQ(Rhythm(view), expected);
        EXPECT_EQ(view.Now() - start, 50 * (Taken(1) + Taken(2)) + 500 + 1000);
    }
}

TEST_F(Timing, SoundOffUsesTenMillisecondsPerSmiley)
{
    g_bSound = false;
    flow.NewGame(7);
    view.ClearLog();
    flow.PlayerMove(71);
    std::vector<std::string> expected(Taken(1), "pause 10");
    expected.push_back("pause 500");
    expected.insert(expected.end(), 4, "pause 250");
    expected.insert(expected.end(), Taken(2), "pause 10");
    EXPECT_EQ(Rhythm(view), expected);
}

TEST_F(Timing, ComputerMoveFlashesItsSmileysTwiceAndEndsShown)
{
    flow.NewGame(9);
    view.ClearLog();
    flow.PlayerMove(91);
    const int column = g_nLastMove / 10;
    const int height = g_nLastMove % 10;
    const int top = height + Taken(2) - 1;
    std::vector<std::string> expected;
    for (bool on : {false, true, false, true}) {
        for (int k = top; k >= height; --k) {
            const std::string cell = std::to_string(10 * column + k);
            expected.push_back("smiley " + cell + (on ? " on" : " off"));
            expected.push_back("mirror " + cell + (on ? " off" : " on"));
        }
        expected.push_back("pause 250");
    }
    for (int k = height; k <= top; ++k) {
        const std::string cell = std::to_string(10 * column + k);
        expected.insert(expected.end(), {"cue 244", "smiley " + cell + " off", "mirror " + cell + " on"});
    }
    const auto log = view.Log();
    const auto pause = std::find(log.begin(), log.end(), "pause 500");
    ASSERT_NE(pause, log.end());
    EXPECT_EQ(std::vector<std::string>(pause + 1, log.end()), expected);
    EXPECT_TRUE(CellsFollowBoard(view));
}

TEST_F(Timing, PlayerRemovalGoesBottomUpWithAClickBeforeEachSmiley)
{
    flow.NewGame(6);
    g_bTwoPlayers = true;
    view.ClearLog();
    flow.PlayerMove(64);
    EXPECT_THAT(view.Log(), ::testing::ElementsAre("cue 244", "smiley 64 off", "mirror 64 on",
                                                   "cue 244", "smiley 65 off", "mirror 65 on",
                                                   "cue 244", "smiley 66 off", "mirror 66 on"));
}
