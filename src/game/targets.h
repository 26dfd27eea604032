#pragma once

#include "game/opponent.h"

// Matching the sorted position (g_sortedHeight / g_sortedColumn, positions 1..n) against the
// target tables. A position number is the sorted heights read as an n-digit decimal number.

// Play mode writes the chosen move to g_nMoveColumn / g_nMoveHeight; test mode only answers
// whether a move was found.
enum class SolveMode { kPlay, kTest };

// Digits of the target under test, positions 1..n, written by both matching tests.
extern int g_targetDigit[10];

// The sorted heights 1..n as a decimal number.
int PositionNumber(int n);

// Walks the table of n (3..8) in order and takes the first target either test reaches.
bool SearchTargets(int n, SolveMode mode);

// One column is lowered and the sorted order stays as it is; also settles a position where
// every column but the tallest holds one smiley. Ends the program with "017" when n < 3 or
// target < 111.
bool MatchSameOrder(int n, int target, int position, Move& move);

// One column whose height is not among the target digits is lowered below shorter ones and
// the heights are sorted again. Ends the program with "002" when n < 3 or target < 111, and
// with "001" when a digit index leaves the range the tables can need (n or k above 8).
bool MatchReordered(int n, int target, int position, Move& move);
