#pragma once

#include <string>

#include "base/cue_ids.h"

// Everything the game flow needs from outside itself: the window's controls, the sound and
// the passing of time. The main window implements it with widgets and the sound module;
// tests implement it with a recording fake on a virtual clock.
class IGameView {
public:
    virtual ~IGameView() = default;

    // The smiley cell with this cell code (10 x column + height), and the mirror cell that
    // stands for it. A cell whose state changes is repainted before the call returns.
    virtual void EnableSmiley(int code, bool enabled) = 0;
    virtual void EnableMirror(int code, bool enabled) = 0;
    // Enables the Help, Sound and Demo buttons.
    virtual void EnableToolButtons() = 0;
    virtual void CheckSizeButton(int size) = 0;    // 4..9
    virtual void CheckLevelButton(int level) = 0;  // 1..3
    // Shows the text in the score box and refreshes the controls.
    virtual void SetScoreText(const std::string& text) = 0;
    // Exclamation icon and OK; returns when the player has confirmed.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    // From now on, notes whether the player stirs: moves the pointer, presses a key or a
    // mouse button, or asks to close the window.
    virtual void WatchForPlayer() = 0;
    // Whether the player has stirred since WatchForPlayer.
    virtual bool PlayerHasStirred() = 0;
    // Cue kCueWin..kCueLoss (subject to g_bSound); one-shot cues return when they have played.
    virtual void PlayCue(int id) = 0;
    // Waits 1000 / n milliseconds.
    virtual void Pause(int n) = 0;
};
