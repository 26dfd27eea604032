#include "flow/game_flow.h"

#include <cstdio>

#include "flow/flow_state.h"
#include "flow/history.h"
#include "game/board.h"

CGameFlow::CGameFlow(IGameView& view) : m_view(view) {}

void CGameFlow::Start()
{
    // The first board is set up in silence; sound comes on last.
    g_bSound = false;
    g_bTwoPlayers = false;
    g_nPlayerScore = 0;
    g_nComputerScore = 0;
    ShowScore();
    g_nLevel = 3;
    m_nLevel = 2;
    m_nSize = 5;
    NewGame(9);
    m_view.CheckLevelButton(m_nLevel + 1);
    m_view.CheckSizeButton(m_nSize + 4);
    g_bSound = true;
}

void CGameFlow::NewGame(int size)
{
    if (g_bGameOn)
        ForfeitGame();
    g_bGameOn = false;
    g_nInitialCount = size * (size + 1) / 2;
    g_nSize = size;
    StartHistory(size);
    SetUpBoard(size);
    SetUpCells();
    m_nSize = size - 4;
    m_view.PlayCue(kCueClick);
    m_view.CheckSizeButton(size);
}

void CGameFlow::RestartGame()
{
    NewGame(g_nSize);
}

void CGameFlow::ForfeitGame()
{
    g_nComputerScore += 1;
    m_view.PlayCue(kCueLoss);
    ShowScore();
}

void CGameFlow::OnLevel(int level)
{
    g_nLevel = level;
    m_nLevel = level - 1;
    m_view.CheckLevelButton(level);
    if (g_bGameOn) {
        // Cleared first, so the abandoned game is not counted.
        g_bGameOn = false;
        RestartGame();
    } else {
        m_view.PlayCue(kCueClick);
    }
}

void CGameFlow::OnSound()
{
    g_bSound = !g_bSound;
}

void CGameFlow::ShowScore()
{
    if (g_nPlayerScore > 99 || g_nComputerScore > 99) {
        g_nPlayerScore = 0;
        g_nComputerScore = 0;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%02u  : %02u", g_nPlayerScore, g_nComputerScore);
    m_strScore = text;
    m_view.SetScoreText(m_strScore);
}

void CGameFlow::PlayerMove(int code)
{
    // A click that waited behind another command may name a cell that is empty by now;
    // recording it would put smileys into the history that the board does not hold.
    const int column = code / 10;
    const int height = code % 10;
    if (column < 1 || column > 9 || height < 1 || g_board[code] != 1)
        return;
    RecordMove(code);
    RemoveSmileys(code);
    ClearCells(column, height);
    if (g_bTwoPlayers)
        return;
    g_bPlayerWon = false;
    m_view.Pause(2);
    ComputerTurn(true);
}
