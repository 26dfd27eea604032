#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "game/board.h"
#include "game/opponent.h"

// Empties the board, gives each listed (column, smileys) pair its stack and refreshes the
// summary. Returns the total, as CountColumns does.
inline int SetBoard(std::initializer_list<std::pair<int, int>> columns)
{
    for (int column = 1; column <= 9; ++column)
        SetColumnHeight(column, 0);
    for (const auto& [column, count] : columns)
        SetColumnHeight(column, count);
    return CountColumns();
}

// Fills the sorted view directly: heights ascending in positions 1..n, column 10 - i at
// position i so that a move's column tells its position.
inline void SetSortedView(std::initializer_list<int> heights)
{
    for (int i = 0; i <= 9; ++i) {
        g_sortedHeight[i] = 0;
        g_sortedColumn[i] = 0;
    }
    int i = 1;
    for (auto height = heights.begin(); height != heights.end() && i <= 9; ++height, ++i) {
        g_sortedHeight[i] = *height;
        g_sortedColumn[i] = 10 - i;
    }
}

// What FatalError writes to standard error for a code: the caption line, then the code.
inline std::string FatalOutput(const std::string& code)
{
    return "  G i m m e r j i g  [^\n]*\n" + code + "\n";
}
