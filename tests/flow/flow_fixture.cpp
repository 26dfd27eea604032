#include "flow_fixture.h"

#include <cstring>

#include "flow/flow_state.h"
#include "flow/history.h"
#include "game/board.h"
#include "game/random_cell.h"

int ColumnHeight(int column)
{
    int height = 0;
    for (int h = 1; h <= 9; ++h)
        height += g_board[10 * column + h];
    return height;
}

std::string BoardLayout()
{
    std::string layout;
    for (int column = 9; column >= 1; --column)
        layout += static_cast<char>('0' + ColumnHeight(column));
    return layout;
}

::testing::AssertionResult CellsFollowBoard(const FakeView& view)
{
    for (int column = 1; column <= 9; ++column) {
        for (int height = 1; height <= column; ++height) {
            const int code = 10 * column + height;
            const bool smiley = g_board[code] == 1;
            const bool taken = column <= g_nSize && !smiley;
            if (view.SmileyShown(code) != smiley)
                return ::testing::AssertionFailure() << "smiley cell " << code << " shows "
                                                     << view.SmileyShown(code);
            if (view.MirrorShown(code) != taken)
                return ::testing::AssertionFailure() << "mirror of " << code << " shows "
                                                     << view.MirrorShown(code);
        }
    }
    return ::testing::AssertionSuccess();
}

int SomeSmiley()
{
    int best = 0;
    for (int column = 1; column <= 9; ++column)
        if (ColumnHeight(column) > 0 && (best == 0 || ColumnHeight(column) >= ColumnHeight(best)))
            best = column;
    return best == 0 ? 0 : 10 * best + 1;
}

namespace {

// Every demo starts from its own reproducible seed.
unsigned g_nextSeed = 1;

unsigned NextSeed()
{
    return g_nextSeed++;
}

}  // namespace

void FlowTest::SetUp()
{
    g_nextSeed = 1;
    SetRandomSeedSource(NextSeed);
    g_bSound = false;
    g_nLevel = 3;
    g_nSize = 9;
    g_nInitialCount = 45;
    g_nLastMove = 0;
    g_nPlayerScore = 0;
    g_nComputerScore = 0;
    g_bGameOn = false;
    g_bPlayerWon = false;
    g_bDemo = false;
    g_bTwoPlayers = false;
    g_nHistory = 0;
    std::memset(g_history, 0, sizeof g_history);
    std::memset(g_board, 0, sizeof g_board);
    flow.Start();
    view.ClearLog();
}

void FlowTest::TearDown()
{
    SetRandomSeedSource(nullptr);
}

void FlowTest::Arrange(int size, std::initializer_list<int> moves)
{
    flow.NewGame(size);
    flow.OnBack();
    ASSERT_TRUE(g_bTwoPlayers);
    for (int code : moves) {
        ASSERT_EQ(g_board[code], 1) << code;
        flow.PlayerMove(code);
    }
    g_bTwoPlayers = false;
    g_bGameOn = true;
    view.ClearLog();
}

void FlowTest::PlayBadlyUntilGameEnds()
{
    const int boards = view.NewBoards();
    for (int moves = 0; moves < 45 && view.NewBoards() == boards; ++moves) {
        int tallest = 0;
        int height = 0;
        for (int column = 1; column <= 9; ++column) {
            if (ColumnHeight(column) > height) {
                tallest = column;
                height = ColumnHeight(column);
            }
        }
        ASSERT_GT(tallest, 0);
        flow.PlayerMove(10 * tallest + height);
    }
    ASSERT_EQ(view.NewBoards(), boards + 1);
}
