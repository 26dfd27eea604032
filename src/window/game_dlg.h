#pragma once

#include <QDialog>
#include <QPoint>
#include <array>
#include <functional>
#include <string>

#include "flow/game_flow.h"
#include "flow/game_view.h"
#include "window/board_keys.h"
#include "window/box_commands.h"
#include "window/command_queue.h"
#include "window/launch_target.h"
#include "window/sound_output.h"

class CCellButton;
class QLineEdit;
class QMenu;
class QRadioButton;

// The game's only window: the board of 45 smiley cells and their 45 mirrors, the tool
// buttons, the level and size buttons and the score box, laid out in dialog units. It runs
// the game flow's commands one at a time (see CCommandQueue) and is the flow's view; the
// board's keys and the commands that open boxes are jobs of their own (CBoardKeys,
// CBoxCommands). A right click anywhere in it opens the window menu.
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
    void CreateBoard();
    void CreateLeftPanel();
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
    // Input during the demo only ends it: the key or click is used up, except Esc, which
    // goes on to close the window.
    bool EndsTheDemo(const QEvent* event) const;
    void OnCellClicked(int code);
    // Brings the radio buttons back to what the flow last checked.
    void SyncRadioButtons();

    SoundOutput m_sound;
    CCommandQueue m_commands;
    CGameFlow m_flow;

    int m_nSize = -1;   // index of the checked size button, size - 4
    int m_nLevel = -1;  // index of the checked level button, level - 1
    bool m_bCloseRequested = false;
    // Since WatchForPlayer: where the pointer was, and whether the player moved the mouse
    // over the window, pressed a key or a button, or asked to close.
    QPoint m_cursorAtWatch;
    bool m_bStirred = false;
    QMenu* m_windowMenu = nullptr;

    std::array<CCellButton*, 100> m_smileys{};  // by cell code
    std::array<CCellButton*, 100> m_mirrors{};  // by the code of the smiley mirrored
    CBoardKeys m_boardKeys{m_smileys};
    CBoxCommands m_boxCommands;
    CCellButton* m_help = nullptr;
    CCellButton* m_soundButton = nullptr;
    CCellButton* m_demo = nullptr;
    CCellButton* m_hint = nullptr;
    CCellButton* m_back = nullptr;
    std::array<QRadioButton*, 3> m_levelButtons{};
    std::array<QRadioButton*, 6> m_sizeButtons{};
    QLineEdit* m_score = nullptr;
};
