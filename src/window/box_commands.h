#pragma once

#include <functional>
#include <string>

#include "window/launch_target.h"
#include "window/sound_output.h"

class QWidget;

// The game window's commands that open a box of their own, About and Help, and the launch of
// a mail or web target that may follow them, after which the game ends. The boxes are owned
// by the window (ownership stays with the caller of exec): the window manager keeps them
// above the game and centres them there, and they leave with it.
class CBoxCommands {
public:
    // closeAfterCommand ends the game once the running command is over.
    CBoxCommands(QWidget* owner, SoundOutput sound, LaunchFunction launch,
                 std::function<void()> closeAfterCommand);

    // The About command: the credits box, then the mail launch when it was asked for.
    void OnAbout();
    // The Help command: the help window with its looping cue, then the mail or web launch
    // when one was asked for.
    void OnHelp();
    // Opens a mail link or web host with the desktop's handler; a failure shows its code in
    // a message box over the window. Returns when the launch is over.
    void Launch(const std::string& target);

private:
    void LaunchAndClose(const std::string& target);

    QWidget* m_owner;
    SoundOutput m_sound;
    LaunchFunction m_launch;
    std::function<void()> m_closeAfterCommand;
};
