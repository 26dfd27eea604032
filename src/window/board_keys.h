#pragma once

#include <array>

class CCellButton;
class QEvent;
class QObject;
class QWidget;

// Keyboard play of the board: the board is one stop in the tab order, a standing smiley; the
// arrow keys move among the standing smileys and Space takes the focused one, as a button's
// own key. A move made from the keyboard leaves the focus on the board.
class CBoardKeys {
public:
    // The smiley cells by cell code (10 * column + height), nullptr where there is none; they
    // stay the window's, and are all created before the first call.
    explicit CBoardKeys(const std::array<CCellButton*, 100>& smileys);

    // Notes whether the latest key went to the board, rather than the mouse or elsewhere.
    void NoteInput(const QObject* watched, const QEvent* event);
    // Handles an arrow key pressed on a smiley cell; false for any other key or widget.
    bool MoveOnBoard(QObject* watched, int key);
    // After each command: the stop moves to a standing smiley when its own is gone, and the
    // focus goes back to the board when the player was playing from the keyboard.
    void UpdateBoardStop(const QWidget* focus);

private:
    void SetBoardStop(int code, bool focus);
    // The code of the smiley cell, 0 for anything else.
    int SmileyCodeOf(const QObject* object) const;
    CCellButton* Smiley(int column, int height) const;

    const std::array<CCellButton*, 100>& m_smileys;
    int m_nBoardStop = 0;         // code of the smiley cell that Tab reaches; 0 for none
    bool m_bKeysOnBoard = false;  // the latest key went to the board
};
