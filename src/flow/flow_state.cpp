#include "flow/flow_state.h"

int g_nLevel = 3;
int g_nSize = 9;
int g_nInitialCount = 45;
int g_nLastMove = 0;
unsigned g_nPlayerScore = 0;
unsigned g_nComputerScore = 0;
bool g_bGameOn = false;
bool g_bPlayerWon = false;
bool g_bDemo = false;
bool g_bTwoPlayers = false;
