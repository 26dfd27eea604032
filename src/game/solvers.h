#pragma once

#include "game/targets.h"

// The steps of the computer's choice. All work on the sorted view (g_sortedHeight /
// g_sortedColumn) and write their move, in play mode, to g_nMoveColumn / g_nMoveHeight.
// Levels are 1..3 for I..III.

// Rebuilds the sorted view from the board's summary by the exchange sort; returns the number n
// of non-empty columns. Ties are not ordered by column: later tie-breaks go by position.
int SortColumns();

// Two columns.
void Solve2();
// Three columns: the exact rules, then the target table. Returns whether a winning move was
// found; test mode writes nothing.
bool Solve3(SolveMode mode);
// n = 4..8: the target table; in play mode without a target, the look-ahead at level III and
// then the top of the tallest column. Returns whether a target was reached.
bool SolveWithTargets(int n, SolveMode mode, int level);
// Nine columns, level III: the look-ahead, else StallMove(9).
void Solve9();

// Tries taking each position whole, in order, and takes the first whose remaining position the
// solver for n - 1 columns (test mode) cannot win. On failure the view is restored.
bool RemoveColumnSearch(int n);

// Takes one smiley without emptying a column or making it as short as the next shorter one;
// failing that, the top of position 1.
void StallMove(int n);
