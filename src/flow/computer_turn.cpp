#include "base/translatable.h"
#include "flow/flow_state.h"
#include "flow/game_flow.h"
#include "flow/history.h"
#include "game/board.h"
#include "game/opponent.h"

namespace {

const char* const kResultCaption = "       Glimmerjig";

}  // namespace

void CGameFlow::ComputerTurn(bool play)
{
    const int total = CountColumns();
    if (total == g_nInitialCount)
        return;  // nothing taken yet in this game
    g_bGameOn = true;
    if (g_board[0] == 0) {
        // The side that just moved took the last smiley and loses.
        g_bGameOn = false;
        if (g_bDemo)
            return;
        g_bPlayerWon = false;
        AnnounceResult();
        return;
    }
    if (g_board[0] == 1 && total == 1) {
        // The side to move would have to take the last smiley.
        g_bPlayerWon = true;
        g_bGameOn = false;
        if (g_bDemo)
            return;
        g_nPlayerScore += 1;
        ShowScore();
        AnnounceResult();
        return;
    }
    const Move move = ChooseMove(g_nLevel);
    g_nLastMove = move.Code();
    if (play) {
        MakeMove(g_nLastMove);
    } else {
        BlinkMove(g_nLastMove);
        BlinkMove(g_nLastMove);
    }
}

void CGameFlow::MakeMove(int code)
{
    RecordMove(code);
    BlinkMove(code);
    RemoveSmileys(code);
    ClearCells(code / 10, code % 10);
}

void CGameFlow::AnnounceResult()
{
    if (g_bPlayerWon) {
        if (g_bSound)
            m_view.PlayCue(kCueWin);
        else
            m_view.ShowMessage(QT_TRANSLATE_NOOP("CGameDlg", "You win!"), kResultCaption);
        g_bGameOn = false;
        m_view.Pause(2);
    } else {
        g_nComputerScore += 1;
        ShowScore();
        if (g_bSound)
            m_view.PlayCue(kCueLoss);
        else
            m_view.ShowMessage(QT_TRANSLATE_NOOP("CGameDlg", "You lose!"), kResultCaption);
        g_bGameOn = false;
    }
    RestartGame();
}
