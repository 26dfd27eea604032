#include <gtest/gtest.h>

#include "game/board.h"
#include "game/opponent.h"

namespace {

bool IsLegal(const Move& move)
{
    return move.column >= 1 && move.column <= 9 && move.height >= 1 && move.height <= 9 &&
           g_board[move.Code()] == 1;
}

// Every board with column c holding 0..c smileys, visited by counting in mixed radix: column 1
// is the fastest digit, and only the columns that change are rewritten.
TEST(ChooseMoveExhaustive, EveryBoardOfTheGameGetsALegalMoveAtEveryLevel)
{
    int heights[10] = {};
    for (int column = 1; column <= 9; ++column)
        SetColumnHeight(column, 0);
    long boards = 0;
    int illegal = 0;
    for (;;) {
        int column = 1;
        while (column <= 9 && heights[column] == column) {
            heights[column] = 0;
            SetColumnHeight(column, 0);
            ++column;
        }
        if (column > 9)
            break;
        ++heights[column];
        SetColumnHeight(column, heights[column]);
        if (CountColumns() < 2)
            continue;
        ++boards;
        for (int level = 1; level <= 3; ++level) {
            const Move move = ChooseMove(level);
            if (IsLegal(move) && move.column == g_nMoveColumn && move.height == g_nMoveHeight)
                continue;
            if (++illegal <= 10) {
                std::string board;
                for (int c = 9; c >= 1; --c)
                    board += static_cast<char>('0' + heights[c]);
                ADD_FAILURE() << "board " << board << " level " << level << " move "
                              << move.Code();
            }
        }
    }
    EXPECT_EQ(illegal, 0);
    // 10! boards less the empty one and the nine of a single smiley.
    EXPECT_EQ(boards, 3628800 - 10);
}

}  // namespace
