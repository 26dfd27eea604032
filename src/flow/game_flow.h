#pragma once

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
};
