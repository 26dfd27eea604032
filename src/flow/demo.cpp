#include "flow/flow_state.h"
#include "flow/game_flow.h"
#include "flow/history.h"
#include "game/board.h"
#include "game/opponent.h"

bool CGameFlow::InDemo() const
{
    return g_bDemo;
}

void CGameFlow::OnDemo()
{
    const bool sound = g_bSound;
    const int level = g_nLevel;

    // A demo game is neither scored nor counted as abandoned.
    g_bGameOn = true;
    g_bDemo = true;
    // Only this demo's own game may end in the closing win cue.
    g_bPlayerWon = false;
    g_nInitialCount = 45;
    g_nSize = 9;
    g_nLevel = 3;
    StartHistory(9);
    SetUpBoard(9);
    SetUpCells();
    m_nSize = 5;
    m_view.PlayCue(kCueClick);
    m_view.CheckSizeButton(9);

    g_nLastMove = RandomCell();
    m_view.Pause(1);
    PlayerMove(g_nLastMove);

    m_view.WatchForPlayer();
    bool last = false;
    while (!last) {
        m_view.Pause(1);
        last = m_view.PlayerHasStirred();
        if (g_bGameOn) {
            ComputerTurn(true);
        } else if (g_bSound) {
            // The finished game is marked by one pass of the looping cue, then silence.
            m_view.PlayCue(kCueLoop);
            g_bSound = false;
        }
    }

    g_bGameOn = false;
    g_bDemo = false;
    m_view.PlayCue(kCueClick);
    g_nLevel = level;
    g_bSound = sound;
    if (g_bSound && g_bPlayerWon) {
        m_view.PlayCue(kCueWin);
        g_bPlayerWon = false;
    }
    m_view.Pause(1);
    NewGame(9);
}
