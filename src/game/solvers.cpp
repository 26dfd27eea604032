#include "game/solvers.h"

#include <utility>

#include "game/board.h"

namespace {

void SetMove(int column, int height)
{
    g_nMoveColumn = column;
    g_nMoveHeight = height;
}

void TakeWhole(int i)
{
    SetMove(g_sortedColumn[i], 1);
}

void LeaveOne(int i)
{
    SetMove(g_sortedColumn[i], 2);
}

void LowerTo(int i, int count)
{
    SetMove(g_sortedColumn[i], count + 1);
}

void TakeTop(int i)
{
    SetMove(g_sortedColumn[i], g_sortedHeight[i]);
}

// The answer the player's side gets from the position of n columns: can it win by the tables?
bool SolveInTestMode(int n)
{
    return n == 3 ? Solve3(SolveMode::kTest) : SearchTargets(n, SolveMode::kTest);
}

}  // namespace

int SortColumns()
{
    int heights[10];
    int columns[10];
    int n = 0;
    for (int column = 1; column <= 9; ++column) {
        if (g_board[column] >= 1) {
            ++n;
            heights[n] = g_board[column];
            columns[n] = column;
        }
    }
    // Exchange sort. Each p ends up holding the least height of p..n, so a single pass sorts
    // and the pass that would follow finds nothing to exchange.
    for (int p = 1; p < n; ++p) {
        for (int q = p + 1; q <= n; ++q) {
            if (heights[q] < heights[p]) {
                std::swap(heights[p], heights[q]);
                std::swap(columns[p], columns[q]);
            }
        }
    }
    for (int i = 1; i <= 9; ++i) {
        g_sortedHeight[i] = i <= n ? heights[i] : 0;
        g_sortedColumn[i] = i <= n ? columns[i] : 0;
    }
    return n;
}

void Solve2()
{
    const int a = g_sortedHeight[1];
    const int b = g_sortedHeight[2];
    if (a == 1)
        TakeWhole(2);
    else if (a == b)
        TakeTop(2);
    else
        LowerTo(2, a);
}

bool Solve3(SolveMode mode)
{
    const bool play = mode == SolveMode::kPlay;
    const int a = g_sortedHeight[1];
    const int b = g_sortedHeight[2];
    const int c = g_sortedHeight[3];
    if (a + b + c == 3) {
        if (play)
            TakeWhole(1);
        return false;
    }
    if (a == 1 && b == 1) {
        if (play)
            LeaveOne(3);
        return true;
    }
    if (a == 1 && b == c) {
        if (play)
            TakeWhole(1);
        return true;
    }
    if (a == b) {
        if (play)
            TakeWhole(3);
        return true;
    }
    if (b == c) {
        if (play)
            TakeWhole(1);
        return true;
    }
    if (SearchTargets(3, mode))
        return true;
    if (play)
        TakeTop(3);
    return false;
}

bool SolveWithTargets(int n, SolveMode mode, int level)
{
    if (SearchTargets(n, mode))
        return true;
    if (mode == SolveMode::kPlay && (level < 3 || !RemoveColumnSearch(n)))
        TakeTop(n);
    return false;
}

void Solve9()
{
    if (!RemoveColumnSearch(9))
        StallMove(9);
}

bool RemoveColumnSearch(int n)
{
    int heights[10];
    int columns[10];
    for (int i = 1; i <= n; ++i) {
        heights[i] = g_sortedHeight[i];
        columns[i] = g_sortedColumn[i];
    }
    for (int j = 1; j <= n; ++j) {
        int to = 1;
        for (int i = 1; i <= n; ++i) {
            if (i != j) {
                g_sortedHeight[to] = heights[i];
                g_sortedColumn[to] = columns[i];
                ++to;
            }
        }
        g_sortedHeight[n] = 0;
        g_sortedColumn[n] = 0;
        if (!SolveInTestMode(n - 1)) {
            SetMove(columns[j], 1);
            return true;
        }
    }
    for (int i = 1; i <= n; ++i) {
        g_sortedHeight[i] = heights[i];
        g_sortedColumn[i] = columns[i];
    }
    return false;
}

void StallMove(int n)
{
    for (int i = n; i >= 2; --i) {
        if (g_sortedHeight[i] >= 2 && g_sortedHeight[i] - 1 != g_sortedHeight[i - 1]) {
            TakeTop(i);
            return;
        }
    }
    TakeTop(1);
}
