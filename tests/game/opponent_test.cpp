#include <gtest/gtest.h>

#include "board_setup.h"
#include "game/opponent.h"
#include "game/solvers.h"

namespace {

int Choose(int level)
{
    const Move move = ChooseMove(level);
    EXPECT_EQ(move.column, g_nMoveColumn);
    EXPECT_EQ(move.height, g_nMoveHeight);
    return move.Code();
}

// Columns 1..8 holding one smiley each plus column 9 holding the given count.
void SetSinglesAndNinth(int ninth)
{
    SetBoard({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, ninth}});
}

TEST(SortColumns, AscendingWithTiesLeftWhereTheExchangesPutThem)
{
    SetBoard({{1, 2}, {2, 2}, {3, 1}});
    ASSERT_EQ(SortColumns(), 3);
    EXPECT_EQ(g_sortedColumn[1], 3);
    EXPECT_EQ(g_sortedColumn[2], 2);
    EXPECT_EQ(g_sortedColumn[3], 1);
    EXPECT_EQ(g_sortedHeight[1], 1);
    EXPECT_EQ(g_sortedHeight[3], 2);
    for (int i = 4; i <= 9; ++i) {
        EXPECT_EQ(g_sortedHeight[i], 0);
        EXPECT_EQ(g_sortedColumn[i], 0);
    }

    SetBoard({{2, 2}, {4, 5}, {5, 1}, {9, 3}});
    ASSERT_EQ(SortColumns(), 4);
    const int heights[] = {0, 1, 2, 3, 5};
    const int columns[] = {0, 5, 2, 9, 4};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(g_sortedHeight[i], heights[i]) << i;
        EXPECT_EQ(g_sortedColumn[i], columns[i]) << i;
    }
}

TEST(ChooseMove, TheExchangeSortDecidesBetweenEqualColumns)
{
    // Sorted: (1, col 1), (1, col 4), (2, col 3), (2, col 2). Every level ends up taking the top
    // of position 4, which is column 2; ordering ties by column would give column 3.
    for (int level = 1; level <= 3; ++level) {
        SetBoard({{1, 1}, {2, 2}, {3, 2}, {4, 1}});
        EXPECT_EQ(Choose(level), 22) << "level " << level;
    }
}

TEST(ChooseMove, OneAndTwoColumns)
{
    SetBoard({{5, 4}});
    EXPECT_EQ(Choose(3), 52) << "one column: leave a single smiley";
    SetBoard({{2, 2}, {3, 3}});
    EXPECT_EQ(Choose(1), 33) << "lower the taller column to the shorter";
    SetBoard({{2, 2}, {6, 5}});
    EXPECT_EQ(Choose(2), 63);
    SetBoard({{1, 1}, {7, 6}});
    EXPECT_EQ(Choose(3), 71) << "a single beside a column: take the column";
    SetBoard({{3, 3}, {5, 3}});
    EXPECT_EQ(Choose(3), 53) << "two equal columns: top of the second";
    SetBoard({{4, 6}, {6, 6}});
    EXPECT_EQ(Choose(2), 66);
}

TEST(ChooseMove, ThreeColumnRules)
{
    for (int level = 1; level <= 3; ++level) {
        SetBoard({{1, 1}, {2, 1}, {3, 1}});
        EXPECT_EQ(Choose(level), 11) << "three singles: nothing wins, take the first";
        SetBoard({{1, 1}, {2, 2}, {3, 3}});
        EXPECT_EQ(Choose(level), 33) << "no rule or target applies";
        SetBoard({{1, 1}, {2, 1}, {5, 5}});
        EXPECT_EQ(Choose(level), 52);
        SetBoard({{1, 3}, {2, 1}, {3, 3}});
        EXPECT_EQ(Choose(level), 21);
        SetBoard({{1, 2}, {2, 2}, {3, 1}});
        EXPECT_EQ(Choose(level), 31);
        SetBoard({{4, 3}, {5, 3}, {6, 3}});
        EXPECT_EQ(Choose(level), 61) << "three equal columns: the last position goes whole";
        SetBoard({{4, 2}, {5, 2}, {6, 3}});
        EXPECT_EQ(Choose(level), 61);
        SetBoard({{4, 2}, {5, 3}, {6, 3}});
        EXPECT_EQ(Choose(level), 41);
        SetBoard({{2, 1}, {3, 2}, {4, 4}});
        EXPECT_EQ(Choose(level), 44) << "target 123";
    }
}

TEST(ChooseMove, FourColumnsDependOnTheLevel)
{
    SetBoard({{1, 1}, {2, 1}, {3, 1}, {4, 5}});
    EXPECT_EQ(Choose(1), 45);
    SetBoard({{1, 1}, {2, 1}, {3, 1}, {4, 5}});
    EXPECT_EQ(Choose(2), 41);
    SetBoard({{1, 1}, {2, 1}, {3, 1}, {4, 5}});
    EXPECT_EQ(Choose(3), 41);

    // Start of size 4: no target; only leaving 1 2 3 is a loss for the player by the tables.
    SetUpBoard(4);
    CountColumns();
    EXPECT_EQ(Choose(1), 11) << "no column can be lowered without reaching its neighbour";
    EXPECT_EQ(Choose(2), 44);
    EXPECT_EQ(Choose(3), 41);
}

TEST(ChooseMove, FiveColumnsPlayTheTablesOnlyAtLevelThree)
{
    for (int level = 1; level <= 2; ++level) {
        SetUpBoard(5);
        CountColumns();
        EXPECT_EQ(Choose(level), 11) << "level " << level;
    }
    SetUpBoard(5);
    CountColumns();
    EXPECT_EQ(Choose(3), 33) << "reaches 12245";
}

TEST(ChooseMove, LookAheadFallsBackToTheTallestColumn)
{
    SetBoard({{1, 2}, {3, 2}, {5, 2}, {7, 2}});
    EXPECT_EQ(Choose(3), 72);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(g_sortedHeight[i], 2) << "view restored after a fruitless look-ahead";
        EXPECT_EQ(g_sortedColumn[i], 2 * i - 1);
    }
    SetBoard({{1, 2}, {3, 2}, {5, 2}, {7, 2}});
    EXPECT_EQ(Choose(1), 72);
}

TEST(ChooseMove, NineColumns)
{
    SetSinglesAndNinth(4);
    EXPECT_EQ(Choose(3), 91) << "no target for eight singles: leave them";
    SetBoard({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 8}});
    EXPECT_EQ(Choose(3), 11);
    SetBoard({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 8}});
    EXPECT_EQ(Choose(2), 98);
    SetBoard({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 8}});
    EXPECT_EQ(Choose(1), 98);
}

TEST(StallMove, SkipsColumnsThatWouldMeetTheirNeighbour)
{
    SetSortedView({1, 2, 3, 5});
    StallMove(4);
    EXPECT_EQ(g_nMoveColumn, g_sortedColumn[4]);
    EXPECT_EQ(g_nMoveHeight, 5);

    SetSortedView({1, 2, 4, 5});
    StallMove(4);
    EXPECT_EQ(g_nMoveColumn, g_sortedColumn[3]) << "5 would meet 4; 4 may drop to 3";
    EXPECT_EQ(g_nMoveHeight, 4);

    SetSortedView({1, 1, 1, 1});
    StallMove(4);
    EXPECT_EQ(g_nMoveColumn, g_sortedColumn[1]) << "only singles: take the first";
    EXPECT_EQ(g_nMoveHeight, 1);

    SetSortedView({3, 3, 3});
    StallMove(3);
    EXPECT_EQ(g_nMoveColumn, g_sortedColumn[3]) << "equal neighbours: lowering keeps them apart";
    EXPECT_EQ(g_nMoveHeight, 3);
}

TEST(Solvers, TestModeAnswersWithoutWriting)
{
    g_nMoveColumn = -1;
    g_nMoveHeight = -1;
    SetSortedView({1, 1, 1});
    EXPECT_FALSE(Solve3(SolveMode::kTest));
    SetSortedView({1, 1, 4});
    EXPECT_TRUE(Solve3(SolveMode::kTest));
    SetSortedView({1, 2, 3});
    EXPECT_FALSE(Solve3(SolveMode::kTest));
    SetSortedView({1, 1, 1, 1, 4});
    EXPECT_TRUE(SolveWithTargets(5, SolveMode::kTest, 3));
    SetSortedView({1, 1, 1, 1, 1});
    EXPECT_FALSE(SolveWithTargets(5, SolveMode::kTest, 3)) << "no target lies below five singles";
    EXPECT_EQ(g_nMoveColumn, -1);
    EXPECT_EQ(g_nMoveHeight, -1);
}

TEST(Solvers, RemoveColumnSearchTakesTheFirstColumnThatLeavesNoWin)
{
    // Taking a single leaves 1 1 2, which the player wins; taking the 2 leaves three singles.
    SetSortedView({1, 1, 1, 2});
    ASSERT_TRUE(RemoveColumnSearch(4));
    EXPECT_EQ(g_nMoveColumn, 6) << "column of position 4 in the view";
    EXPECT_EQ(g_nMoveHeight, 1);
}

}  // namespace
