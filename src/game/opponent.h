#pragma once

// The computer's choice of move. Deterministic for a board and level; works on any column
// heights 1..9. Working state is program-wide and rebuilt by every choice.

struct Move {
    int column;
    int height;
    int Code() const { return 10 * column + height; }
};

// Sorted view of the non-empty columns, ascending by height, in positions 1..n; 0 above n.
extern int g_sortedHeight[10];
extern int g_sortedColumn[10];
// The last move chosen (or carried out by the game flow).
extern int g_nMoveColumn;
extern int g_nMoveHeight;

// Call right after CountColumns. The board must hold at least two smileys or one column of
// two or more. Returns a legal move and leaves it in g_nMoveColumn / g_nMoveHeight.
Move ChooseMove(int level);

// A random cell that holds a smiley (the board must not be empty), seeded from the clock.
int RandomCell();
