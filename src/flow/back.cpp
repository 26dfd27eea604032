#include "flow/flow_state.h"
#include "flow/game_flow.h"
#include "flow/history.h"
#include "game/board.h"

void CGameFlow::OnBack()
{
    if (g_nHistory == 0) {
        // Before the first move Back is the switch for two human players.
        g_bTwoPlayers = !g_bTwoPlayers;
        RestartGame();
        return;
    }
    if (g_nHistory <= 2) {
        // Counted as abandoned when the computer has moved in this game.
        RestartGame();
        return;
    }
    const int moves = g_nHistory;
    TakeBackMove(moves);
    TakeBackMove(moves - 1);
    g_nHistory = moves - 2;
}

void CGameFlow::TakeBackMove(int entry)
{
    const char* before = g_history[entry - 1];
    const char* after = g_history[entry];
    int position = 0;
    while (position < kLayoutChars && before[position] == after[position])
        ++position;
    if (position >= kLayoutChars - 1)
        return;  // the layouts agree
    const int column = 9 - position;
    const int from = before[position] - '0';
    const int to = after[position] - '0';
    SetColumnHeight(column, from);
    RestoreSmileys(column, from, to);
    m_view.Pause(2);
}
