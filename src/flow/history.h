#pragma once

// The layouts of the current game, one per move. Entry k is the board after k moves as nine
// digits, column 9 first, column 1 last, plus a terminating zero; entry 0 is the start.
// 46 entries hold the start and the 45 moves a game of size 9 can have at most.
inline constexpr int kHistoryEntries = 46;
inline constexpr int kLayoutChars = 10;

extern char g_history[kHistoryEntries][kLayoutChars];
extern int g_nHistory;  // moves recorded since the game began; entries 0..g_nHistory are valid

// Empties the history and puts the start layout of size 4..9 into entry 0.
void StartHistory(int size);

// Appends the layout after the move with this cell code and makes it g_nLastMove. Call it
// before the board changes. Ends the program ("019") rather than write past the last entry.
void RecordMove(int code);
