// Thousands of games with random commands: after every command the window shows the board,
// the history ends in the board, and the score only grows (or wraps past 99).
#include "flow_fixture.h"

#include <cstdio>
#include <random>
#include <tuple>
#include <vector>

#include "flow/flow_state.h"
#include "flow/history.h"
#include "game/board.h"

namespace {

constexpr int kGames = 10000;
constexpr int kConfigurations = 6 * 3;
constexpr int kGamesPerConfiguration = kGames / kConfigurations + 1;

std::string ScoreFor(unsigned player, unsigned computer)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u  : %02u", player, computer);
    return text;
}

class Soak : public FlowTest, public ::testing::WithParamInterface<std::tuple<int, int>> {
protected:
    ::testing::AssertionResult Consistent(unsigned player, unsigned computer) const
    {
        if (auto cells = CellsFollowBoard(view); !cells)
            return cells;
        if (g_nHistory < 0 || g_nHistory > 45)
            return ::testing::AssertionFailure() << "history count " << g_nHistory;
        if (BoardLayout() != g_history[g_nHistory])
            return ::testing::AssertionFailure() << "history " << g_history[g_nHistory]
                                                 << " board " << BoardLayout();
        const bool fell = g_nPlayerScore < player || g_nComputerScore < computer;
        const bool wrapped = g_nPlayerScore == 0 && g_nComputerScore == 0 &&
                             (player >= 99 || computer >= 99);
        if (fell && !wrapped)
            return ::testing::AssertionFailure() << "score fell from " << player << ":" << computer;
        if (g_nPlayerScore > 99 || g_nComputerScore > 99)
            return ::testing::AssertionFailure() << "score above 99";
        if (view.Score() != ScoreFor(g_nPlayerScore, g_nComputerScore))
            return ::testing::AssertionFailure() << "score box " << view.Score();
        if (view.CheckedSize() != g_nSize || view.CheckedLevel() != g_nLevel)
            return ::testing::AssertionFailure() << "radio buttons";
        if (g_bDemo || !view.ToolsEnabled())
            return ::testing::AssertionFailure() << "demo flag or tools";
        return ::testing::AssertionSuccess();
    }

    // A random standing smiley, or 0 on an empty board.
    int RandomSmiley(std::mt19937& rng) const
    {
        std::vector<int> cells;
        for (int column = 1; column <= 9; ++column)
            for (int height = 1; height <= ColumnHeight(column); ++height)
                cells.push_back(10 * column + height);
        return cells.empty() ? 0 : cells[rng() % cells.size()];
    }
};

}  // namespace

TEST_P(Soak, RandomCommandsKeepWindowHistoryAndScoreConsistent)
{
    const auto [size, level] = GetParam();
    std::mt19937 rng(static_cast<unsigned>(100 * size + level));
    view.SetLogging(false);
    flow.NewGame(size);
    flow.OnLevel(level);
    const int firstBoard = view.NewBoards();
    int commands = 0;
    while (view.NewBoards() - firstBoard < kGamesPerConfiguration) {
        const unsigned player = g_nPlayerScore;
        const unsigned computer = g_nComputerScore;
        const unsigned roll = rng() % 1000;
        if (roll < 800) {
            const int code = RandomSmiley(rng);
            if (code != 0)
                flow.PlayerMove(code);
            else
                flow.NewGame(size);
        } else if (roll < 850) {
            flow.OnBack();
        } else if (roll < 890) {
            flow.OnHint();
        } else if (roll < 920) {
            flow.OnLevel(rng() % 3 == 0 ? 1 + static_cast<int>(rng() % 3) : level);
        } else if (roll < 950) {
            flow.NewGame(rng() % 3 == 0 ? 4 + static_cast<int>(rng() % 6) : size);
        } else if (roll < 997) {
            flow.OnSound();
        } else {
            view.StirAtPoll(1 + static_cast<int>(rng() % 8));
            flow.OnDemo();
            ASSERT_TRUE(Consistent(player, computer)) << "after the demo, command " << commands;
            ASSERT_EQ(g_nSize, 9);
            flow.NewGame(size);
        }
        ASSERT_TRUE(Consistent(player, computer)) << "roll " << roll << ", command " << commands;
        ++commands;
    }
    EXPECT_GT(commands, kGamesPerConfiguration);
}

INSTANTIATE_TEST_SUITE_P(EverySizeAndLevel, Soak,
                         ::testing::Combine(::testing::Range(4, 10), ::testing::Range(1, 4)));
