#include "flow/flow_state.h"
#include "flow/game_flow.h"
#include "flow/history.h"
#include "game/board.h"

namespace {

// The computer's opening on an untouched board, by size 4..9.
const int kOpenings[] = {41, 11, 62, 44, 81, 99};

}  // namespace

void CGameFlow::OnHint()
{
    if (g_nHistory == 0) {
        // Before the first move Hint lets the computer open; the player moves next.
        if (m_nSize < 0 || m_nSize > 5)
            return;  // no board before Start
        g_nLastMove = kOpenings[m_nSize];
        MakeMove(g_nLastMove);
        return;
    }
    CountColumns();
    if (g_board[0] < 2)
        return;
    // The best move is shown whatever the level; the level itself does not change.
    const int level = g_nLevel;
    g_nLevel = 3;
    ComputerTurn(false);
    g_nLevel = level;
}
