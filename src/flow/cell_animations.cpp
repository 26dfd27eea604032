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
    FlashColumn(code / 10, code % 10, {false, true, false, true});
}

// Takes the smileys of the move away one by one from the bottom up, each with a click.
void CGameFlow::RemoveSmileys(int code)
{
    const int column = code / 10;
    for (int k = code % 10; k <= column; ++k) {
        const int cell = 10 * column + k;
        if (g_board[cell] != 1)
            continue;
        Click();
        ShowSmiley(cell, false);
    }
}

// Back's animation: the smileys of heights to+1..from flash in, then return one by one
// from the top down.
void CGameFlow::RestoreSmileys(int column, int from, int to)
{
    FlashColumn(column, to + 1, {true, false, true, false});
    for (int k = from; k > to; --k) {
        Click();
        ShowSmiley(10 * column + k, true);
    }
}

// Each phase shows the standing smileys of the column from its top down to height `lowest`
// (true) or their mirrors (false), then holds for 250 ms.
void CGameFlow::FlashColumn(int column, int lowest, std::initializer_list<bool> phases)
{
    for (bool on : phases) {
        for (int k = column; k >= lowest; --k) {
            if (g_board[10 * column + k] == 1)
                ShowSmiley(10 * column + k, on);
        }
        m_view.Pause(4);
    }
}

void CGameFlow::ShowSmiley(int code, bool shown)
{
    m_view.EnableSmiley(code, shown);
    m_view.EnableMirror(code, !shown);
}

// Paces each smiley taken or brought back: the click cue, or a short beat when silent.
void CGameFlow::Click()
{
    if (g_bSound)
        m_view.PlayCue(kCueClick);
    else
        m_view.Pause(100);
}
