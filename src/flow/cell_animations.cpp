#include "flow/flow_state.h"
#include "flow/game_flow.h"
#include "game/board.h"

// Outside the animations a smiley cell is enabled exactly while its board cell holds a
// smiley, and its mirror exactly while that smiley has been taken in this game.

void CGameFlow::SetUpCells()
{
    m_view.EnableToolButtons();
    for (int column = 1; column <= 9; ++column) {
        for (int height = 1; height <= column; ++height) {
            const int code = 10 * column + height;
            m_view.EnableSmiley(code, g_board[code] == 1);
            m_view.EnableMirror(code, false);
        }
    }
}

// Flashes the smileys the move will take off and on twice; they end shown.
void CGameFlow::BlinkMove(int code)
{
    const int column = code / 10;
    const int height = code % 10;
    for (bool on : {false, true, false, true}) {
        for (int k = column; k >= height; --k) {
            const int cell = 10 * column + k;
            if (g_board[cell] == 1) {
                m_view.EnableSmiley(cell, on);
                m_view.EnableMirror(cell, !on);
            }
        }
        m_view.Pause(4);
    }
}

// Takes the smileys of the move away one by one from the bottom up, each with a click.
void CGameFlow::RemoveSmileys(int code)
{
    const int column = code / 10;
    const int height = code % 10;
    for (int k = height; k <= column; ++k) {
        const int cell = 10 * column + k;
        if (g_board[cell] != 1)
            continue;
        if (g_bSound)
            m_view.PlayCue(244);
        else
            m_view.Pause(100);
        m_view.EnableSmiley(cell, false);
        m_view.EnableMirror(cell, true);
    }
}

// Back's animation: the smileys of heights to+1..from flash in, then return one by one
// from the top down.
void CGameFlow::RestoreSmileys(int column, int from, int to)
{
    for (bool on : {true, false, true, false}) {
        for (int k = from; k > to; --k) {
            m_view.EnableSmiley(10 * column + k, on);
            m_view.EnableMirror(10 * column + k, !on);
        }
        m_view.Pause(4);
    }
    for (int k = from; k > to; --k) {
        if (g_bSound)
            m_view.PlayCue(244);
        else
            m_view.Pause(100);
        m_view.EnableSmiley(10 * column + k, true);
        m_view.EnableMirror(10 * column + k, false);
    }
}
