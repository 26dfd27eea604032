#pragma once

#include "base/sound_switch.h"

// The game-flow state, program-wide for the whole run; nothing of it is saved.
extern int g_nLevel;              // 1..3
extern int g_nSize;               // 4..9
extern int g_nInitialCount;       // smileys on the board when the current game began
extern int g_nLastMove;           // cell code of the move being made
extern unsigned g_nPlayerScore;
extern unsigned g_nComputerScore;
extern bool g_bGameOn;            // the computer's turn has run in this game
extern bool g_bPlayerWon;         // the last game ended with one smiley left for the loser
extern bool g_bDemo;
extern bool g_bTwoPlayers;        // the computer does not reply
