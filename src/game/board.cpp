#include "game/board.h"

#include "base/fatal_error.h"

int g_board[100];

namespace {

bool IsColumn(int column)
{
    return column >= 1 && column <= 9;
}

}  // namespace

void SetUpBoard(int size)
{
    for (int column = 1; column <= 9; ++column)
        SetColumnHeight(column, column <= size ? column : 0);
}

void ClearCells(int column, int height)
{
    if (!IsColumn(column))
        return;
    for (int h = height < 1 ? 1 : height; h <= 9; ++h)
        g_board[10 * column + h] = 0;
}

void SetColumnHeight(int column, int count)
{
    if (!IsColumn(column))
        return;
    for (int h = 1; h <= 9; ++h)
        g_board[10 * column + h] = h <= count ? 1 : 0;
}

int CountColumns()
{
    int total = 0;
    g_board[0] = 0;
    for (int column = 1; column <= 9; ++column) {
        int count = 0;
        for (int h = 1; h <= 9; ++h)
            count += g_board[10 * column + h];
        g_board[column] = count;
        total += count;
        if (count >= 1)
            ++g_board[0];
    }
    return total;
}

void CheckCellCode(int code)
{
    const int column = code / 10;
    const int height = code % 10;
    if (height < 1 || height > 9 || column < 1 || column > 9 || g_board[0] > 9)
        FatalError("016");
}
