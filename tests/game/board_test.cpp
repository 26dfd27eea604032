#include <gtest/gtest.h>

#include <cstdlib>

#include "board_setup.h"
#include "game/board.h"

namespace {

int HeightOf(int column)
{
    int height = 0;
    while (height < 9 && g_board[10 * column + height + 1] == 1)
        ++height;
    return height;
}

TEST(Board, StartPositionsAreStaircasesOfTheirSize)
{
    for (int size = 4; size <= 9; ++size) {
        SetBoard({{9, 9}, {8, 8}, {7, 7}});
        SetUpBoard(size);
        for (int column = 1; column <= 9; ++column) {
            const int expected = column <= size ? column : 0;
            EXPECT_EQ(HeightOf(column), expected) << "size " << size << " column " << column;
            for (int height = expected + 1; height <= 9; ++height)
                EXPECT_EQ(g_board[10 * column + height], 0) << 10 * column + height;
        }
        EXPECT_EQ(CountColumns(), size * (size + 1) / 2);
        EXPECT_EQ(g_board[0], size);
    }
}

TEST(Board, SetUpLeavesTheSummaryAlone)
{
    SetUpBoard(9);
    CountColumns();
    SetUpBoard(4);
    EXPECT_EQ(g_board[0], 9);
    EXPECT_EQ(g_board[9], 9);
}

TEST(Board, CountColumnsFillsTheSummary)
{
    SetUpBoard(4);
    EXPECT_EQ(CountColumns(), 10);
    EXPECT_EQ(g_board[0], 4);
    EXPECT_EQ(g_board[1], 1);
    EXPECT_EQ(g_board[4], 4);
    for (int column = 5; column <= 9; ++column)
        EXPECT_EQ(g_board[column], 0);

    EXPECT_EQ(SetBoard({{2, 1}, {7, 5}}), 6);
    EXPECT_EQ(g_board[0], 2);
    EXPECT_EQ(g_board[2], 1);
    EXPECT_EQ(g_board[7], 5);
    EXPECT_EQ(g_board[1], 0);
}

TEST(Board, ClearCellsRemovesTheCellAndEverythingAbove)
{
    SetUpBoard(9);
    ClearCells(9, 1);
    EXPECT_EQ(CountColumns(), 36);
    EXPECT_EQ(g_board[0], 8);

    SetUpBoard(5);
    ClearCells(5, 3);
    EXPECT_EQ(HeightOf(5), 2);
    EXPECT_EQ(HeightOf(4), 4);

    ClearCells(4, 4);
    EXPECT_EQ(HeightOf(4), 3);
    EXPECT_EQ(CountColumns(), 11);

    ClearCells(4, 4);
    EXPECT_EQ(CountColumns(), 11) << "clearing an empty cell changes nothing";
}

TEST(Board, SetColumnHeightEmptiesAndRefills)
{
    SetUpBoard(5);
    SetColumnHeight(3, 0);
    EXPECT_EQ(HeightOf(3), 0);
    EXPECT_EQ(CountColumns(), 12);
    SetColumnHeight(3, 3);
    EXPECT_EQ(HeightOf(3), 3);
    EXPECT_EQ(CountColumns(), 15);
    SetColumnHeight(3, 9);
    EXPECT_EQ(HeightOf(3), 9) << "any height up to 9 stands as one stack";
}

TEST(Board, OutOfRangeCallsLeaveTheBoardIntact)
{
    SetUpBoard(9);
    ClearCells(0, 1);
    ClearCells(10, 1);
    SetColumnHeight(0, 5);
    SetColumnHeight(10, 5);
    ClearCells(3, -4);
    EXPECT_EQ(CountColumns(), 42);
    EXPECT_EQ(g_board[0], 8) << "a height below 1 clears the whole column";
    EXPECT_EQ(HeightOf(2), 2);
    EXPECT_EQ(HeightOf(3), 0);
}

using BoardDeathTest = testing::Test;

TEST_F(BoardDeathTest, CheckCellCodeAcceptsEveryCell)
{
    const auto checkAll = [] {
        SetUpBoard(9);
        CountColumns();
        for (int column = 1; column <= 9; ++column) {
            for (int height = 1; height <= 9; ++height)
                CheckCellCode(10 * column + height);
        }
        SetBoard({});
        CheckCellCode(11);
        std::exit(0);
    };
    EXPECT_EXIT(checkAll(), testing::ExitedWithCode(0), "");
}

TEST_F(BoardDeathTest, CheckCellCodeStopsOnImpossibleCodes)
{
    SetUpBoard(9);
    CountColumns();
    EXPECT_EXIT(CheckCellCode(20), testing::ExitedWithCode(1), FatalOutput("016"));
    EXPECT_EXIT(CheckCellCode(5), testing::ExitedWithCode(1), FatalOutput("016"));
    EXPECT_EXIT(CheckCellCode(100), testing::ExitedWithCode(1), FatalOutput("016"));
    EXPECT_EXIT(CheckCellCode(-11), testing::ExitedWithCode(1), FatalOutput("016"));
    g_board[0] = 10;
    EXPECT_EXIT(CheckCellCode(11), testing::ExitedWithCode(1), FatalOutput("016"));
}

}  // namespace
