#pragma once

// The position: one program-wide table indexed by cell code 10 x column + height.
// Cells (columns 1..9, heights 1..9) hold 1 for a smiley, 0 for none. Column 0 is the
// summary written by CountColumns: entry 0 = non-empty columns, entry c = smileys in column c.
extern int g_board[100];

// Start position of size 4..9: columns 1..size full, the rest empty. Leaves the summary alone.
void SetUpBoard(int size);
// The move with code 10 x column + height: that cell and all above it become empty.
void ClearCells(int column, int height);
// Column holds exactly count (0..9) smileys.
void SetColumnHeight(int column, int count);
// Fills the summary and returns the total number of smileys.
int CountColumns();
// Ends the program with "016" unless the code names a cell and the summary is sane.
void CheckCellCode(int code);
