#include "game/opponent.h"

#include "game/solvers.h"

int g_sortedHeight[10];
int g_sortedColumn[10];
int g_nMoveColumn;
int g_nMoveHeight;

Move ChooseMove(int level)
{
    const int n = SortColumns();
    if (n <= 1) {
        // One column of two or more: leave one smiley for the player to take.
        g_nMoveColumn = g_sortedColumn[1];
        g_nMoveHeight = 2;
    } else if (n == 2) {
        Solve2();
    } else if (n == 3) {
        Solve3(SolveMode::kPlay);
    } else if (n == 9) {
        if (level >= 3)
            Solve9();
        else
            StallMove(9);
    } else if (level >= 3 || (n == 4 && level == 2)) {
        SolveWithTargets(n, SolveMode::kPlay, level);
    } else {
        StallMove(n);
    }
    return {g_nMoveColumn, g_nMoveHeight};
}
