#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "ui/launch_outcome.h"

class QWidget;

// How long the launch waits for the opener's verdict. xdg-open runs the handler it picks and
// waits for it, so a mail program or browser that stays open keeps it running: an opener still
// running after this long has found its program, and the target counts as handed over.
inline constexpr std::chrono::milliseconds kLauncherPatience{5000};

// Opens the target with the desktop's registered handler: converts it with LaunchUrl, runs the
// opener and shows the code of a failed launch in a message box owned by owner (may be
// nullptr). Returns when the opener has ended, when patience has run out, or when the box
// has been confirmed. Never ends what it started: the handler outlives the program.
void LaunchTarget(QWidget* owner, std::string_view target);
using LaunchFunction = void (*)(QWidget* owner, std::string_view target);

// Runs xdg-open, found on PATH, with url as its one argument (no shell) and waits for its exit
// status in a nested event loop, so the window goes on painting and taking input meanwhile.
// An opener still running after patience is left to run, and to outlive the program.
LaunchOutcome RunLauncher(const std::string& url,
                          std::chrono::milliseconds patience = kLauncherPatience);

// The message box of a failed launch: the code as its text, the exclamation icon, an OK
// button, and the executable's base name as its caption. Returns when OK has been pressed.
void ShowLaunchFailure(QWidget* owner, const char* code);
