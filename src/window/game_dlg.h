#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "flow/game_flow.h"
#include "flow/game_view.h"
#include "window/board_keys.h"
#include "window/box_commands.h"
#include "window/command_queue.h"
#include "window/demo_watch.h"
#include "window/game_controls.h"
#include "window/launch_target.h"
#include "window/sound_output.h"

class CCellButton;
class QMenu;

// The game's only window: the board of 45 smiley cells and their 45 mirrors, the tool
// buttons, the level and size buttons and the score box, laid out in dialog units. It runs
// the game flow's commands one at a time (see CCommandQueue) and is the flow's view; the
// board's keys, the commands that open boxes, the demo's watch for the player and the making
// of the controls are jobs of their own (CBoardKeys, CBoxCommands, CDemoWatch, CGameControls).
// A right click anywhere in it opens the window menu.
class CGameDlg : public QDialog, public IGameView {
    Q_OBJECT

public:
    // The sound and the launcher are the real ones unless a test passes its own.
    explicit CGameDlg(SoundOutput sound = DefaultSoundOutput(), LaunchFunction launch = LaunchTarget);
    ~CGameDlg() override;

    // The cell of the board cell (column, height) and the mirror that stands for it;
    // nullptr outside the board.
    CCellButton* SmileyCell(int column, int height) const;
    CCellButton* MirrorCell(int column, int height) const;

    // IGameView
    void EnableSmiley(int code, bool enabled) override;
    void EnableMirror(int code, bool enabled) override;
    void EnableToolButtons() override;
    void CheckSizeButton(int size) override;
    void CheckLevelButton(int level) override;
    void SetScoreText(const std::string& text) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void WatchForPlayer() override;
    bool PlayerHasStirred() override;
    void PlayCue(int id) override;
    void Pause(int n) override;

    // Closing (Esc, Cancel, the window manager, the window menu) waits for a running command
    // to end; no command the player starts afterwards runs.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectCommands();
    void TrackMotion();

    // Runs the command through the queue; closes the window afterwards when asked meanwhile.
    // Once a close has been asked for, no further command runs.
    void Run(std::function<void()> command);
    // Ends the program once the running command is over: after a mail or web launch.
    void CloseAfterCommand();
    // The window menu at the pointer; never inside a running command, whose own event loop
    // the menu's would hold until it closed.
    void OfferWindowMenu(const QPoint& globalPos);
    void OnCellClicked(int code);
    // Brings the radio buttons back to what the flow last checked.
    void SyncRadioButtons();

    SoundOutput m_sound;
    CCommandQueue m_commands;
    CGameFlow m_flow;

    int m_nSize = -1;   // index of the checked size button, size - 4
    int m_nLevel = -1;  // index of the checked level button, level - 1
    bool m_bCloseRequested = false;
    CDemoWatch m_demoWatch{m_flow};
    QMenu* m_windowMenu = nullptr;

    CGameControls m_controls;
    CBoardKeys m_boardKeys{m_controls.m_smileys};
    CBoxCommands m_boxCommands;
};
