#include <gtest/gtest.h>

#include <ctime>
#include <initializer_list>
#include <utility>

#include "board_setup.h"
#include "game/opponent.h"
#include "game/random_cell.h"

namespace {

unsigned g_seed;

unsigned GivenSeed()
{
    return g_seed;
}

class RandomCellTest : public testing::Test {
protected:
    void SetUp() override { SetRandomSeedSource(GivenSeed); }
    void TearDown() override { SetRandomSeedSource(nullptr); }

    static int CellFor(unsigned seed)
    {
        g_seed = seed;
        return RandomCell();
    }
};

TEST_F(RandomCellTest, FollowsTheGeneratorsKnownSequence)
{
    // Seed 1 draws 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, ...
    SetUpBoard(9);
    CountColumns();
    EXPECT_EQ(CellFor(1), 41);

    // Columns 5..9 full: 41, 34 and 0 fall below 51; 67, 69, 78 and 58 are empty cells.
    SetBoard({{5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}});
    EXPECT_EQ(CellFor(1), 62);

    // Column 2 alone: only 21..22 are accepted, and 2 0 counts as 2 1.
    SetBoard({{2, 2}});
    const int cell = CellFor(1);
    EXPECT_TRUE(cell == 21 || cell == 22) << cell;
}

TEST_F(RandomCellTest, SameSeedSameCell)
{
    SetUpBoard(7);
    CountColumns();
    for (unsigned seed : {0u, 7u, 12345u, 4000000000u})
        EXPECT_EQ(CellFor(seed), CellFor(seed)) << seed;
}

TEST_F(RandomCellTest, AlwaysAStandingSmiley)
{
    const std::initializer_list<std::pair<int, int>> boards[] = {
        {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}},
        {{1, 1}},
        {{9, 1}},
        {{5, 3}},
        {{1, 1}, {9, 9}},
        {{2, 1}, {4, 3}, {8, 2}},
        {{3, 3}, {4, 1}, {5, 5}, {6, 2}},
        {{4, 5}, {7, 2}},
        {{1, 3}, {2, 1}, {3, 3}},
    };
    for (const auto& board : boards) {
        SetBoard(board);
        for (unsigned seed = 0; seed < 2000; ++seed) {
            const int cell = CellFor(seed * 2654435761u);
            ASSERT_GE(cell / 10, 1);
            ASSERT_LE(cell / 10, 9);
            ASSERT_GE(cell % 10, 1);
            ASSERT_EQ(g_board[cell], 1) << "cell " << cell << " seed " << seed;
        }
    }
}

TEST_F(RandomCellTest, BottomCellsComeTwiceAsOften)
{
    SetUpBoard(9);
    CountColumns();
    int count[100] = {};
    const int draws = 90000;
    for (int seed = 0; seed < draws; ++seed) {
        const int cell = CellFor(static_cast<unsigned>(seed));
        ASSERT_LE(cell % 10, cell / 10) << "inside the staircase";
        ++count[cell];
    }
    // 45 cells: 8 bottom cells with two codes each, 37 with one, so one code is 1/53 of draws.
    const double share = draws / 53.0;
    for (int column = 1; column <= 9; ++column) {
        for (int height = 1; height <= column; ++height) {
            const bool twice = height == 1 && column > 1;
            const double expected = twice ? 2 * share : share;
            EXPECT_GT(count[10 * column + height], 0.75 * expected) << 10 * column + height;
            EXPECT_LT(count[10 * column + height], 1.25 * expected) << 10 * column + height;
        }
    }
}

TEST_F(RandomCellTest, ClockSeedChangesOnlyWithTheSecond)
{
    SetUpBoard(9);
    CountColumns();
    SetRandomSeedSource(nullptr);
    for (;;) {
        const std::time_t before = std::time(nullptr);
        const int first = RandomCell();
        const int second = RandomCell();
        const std::time_t after = std::time(nullptr);
        if (before != after)
            continue;
        EXPECT_EQ(first, second);
        EXPECT_EQ(first, CellFor(static_cast<unsigned>(before)));
        break;
    }
}

using RandomCellDeathTest = RandomCellTest;

TEST_F(RandomCellDeathTest, EmptyBoardEndsTheProgram)
{
    SetBoard({});
    EXPECT_EXIT(CellFor(1), testing::ExitedWithCode(1), FatalOutput("016"));
}

}  // namespace
