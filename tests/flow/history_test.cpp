// The move history: start layouts, recorded moves, and its agreement with the board.
#include <gtest/gtest.h>

#include <string>

#include "flow/flow_state.h"
#include "flow/history.h"
#include "flow_fixture.h"
#include "game/board.h"

TEST(History, StartLayoutIsTheStartBoardOfEverySize)
{
    for (int size = 4; size <= 9; ++size) {
        g_nHistory = 7;
        g_history[3][0] = '5';
        StartHistory(size);
        SetUpBoard(size);
        EXPECT_EQ(g_nHistory, 0);
        EXPECT_EQ(std::string(g_history[0]), BoardLayout());
        EXPECT_EQ(g_history[0][9], '\0');
        EXPECT_EQ(g_history[3][0], '\0') << "later entries are cleared";
    }
}

TEST(History, RecordsTheSmileysLeftInTheColumn)
{
    StartHistory(8);
    EXPECT_STREQ(g_history[0], "087654321");
    RecordMove(83);
    EXPECT_STREQ(g_history[1], "027654321");
    EXPECT_STREQ(g_history[0], "087654321");
    EXPECT_EQ(g_nHistory, 1);
    EXPECT_EQ(g_nLastMove, 83);

    StartHistory(4);
    RecordMove(11);
    EXPECT_STREQ(g_history[1], "000004320");
    RecordMove(44);
    EXPECT_STREQ(g_history[2], "000003320");
    EXPECT_EQ(g_nLastMove, 44);
}

TEST(History, HoldsTheLongestGame)
{
    StartHistory(9);
    SetUpBoard(9);
    for (int move = 1; move <= 45; ++move) {
        int column = 9;
        while (ColumnHeight(column) == 0)
            --column;
        const int height = ColumnHeight(column);
        RecordMove(10 * column + height);
        ClearCells(column, height);
        ASSERT_EQ(std::string(g_history[move]), BoardLayout()) << move;
    }
    EXPECT_EQ(g_nHistory, 45);
    EXPECT_STREQ(g_history[45], "000000000");
}

TEST(HistoryDeathTest, RefusesToRecordPastTheLastEntry)
{
    StartHistory(9);
    for (int move = 0; move < 45; ++move)
        RecordMove(11);
    EXPECT_EXIT(RecordMove(11), ::testing::ExitedWithCode(1), "019");
}
