#pragma once

#include <initializer_list>
#include <string>

#include "flow/game_view.h"

// The game's commands, run one at a time by the window. Each blocks until its animations,
// cues and pauses are over. State lives in the program-wide variables of flow_state.h, the
// board and the history; this object holds only what mirrors the window's controls.
class CGameFlow {
public:
    explicit CGameFlow(IGameView& view);

    // The window's start-up: scores 0, level III, a silent first board of size 9, sound on.
    void Start();

    void PlayerMove(int code);
    void NewGame(int size);
    void RestartGame();
    void OnLevel(int level);
    void OnHint();
    void OnDemo();
    void OnSound();
    void OnBack();

    const std::string& ScoreText() const { return m_strScore; }
    // Whether the demo is playing.
    bool InDemo() const;

private:
    // play false only flashes the move the computer would make (a hint).
    void ComputerTurn(bool play);
    void AnnounceResult();
    void ForfeitGame();
    void ShowScore();
    // Record, flash and remove the move with this code, then clear it from the board.
    void MakeMove(int code);

    // Cell animations. Blink and removal run before the board loses the move's smileys;
    // Back's restoring runs after the board has them again.
    void SetUpCells();
    void BlinkMove(int code);
    void RemoveSmileys(int code);
    void RestoreSmileys(int column, int from, int to);
    void FlashColumn(int column, int lowest, std::initializer_list<bool> phases);
    // The smiley shown on the board (true) or as taken, on its mirror (false).
    void ShowSmiley(int code, bool shown);
    void Click();
    // Brings back the column that move `entry` of the history lowered.
    void TakeBackMove(int entry);

    IGameView& m_view;
    std::string m_strScore;
    int m_nSize = -1;   // checked size button, size - 4
    int m_nLevel = -1;  // checked level button, level - 1
};
