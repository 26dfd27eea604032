#pragma once

#include <chrono>
#include <string>

#include "launch/launch_outcome.h"

// How long the launch waits for the opener's verdict. xdg-open runs the handler it picks and
// waits for it, so a mail program or browser that stays open keeps it running: an opener still
// running after this long has found its program, and the target counts as handed over.
inline constexpr std::chrono::milliseconds kLauncherPatience{5000};

// Runs xdg-open, found on PATH, with url as its one argument (no shell) and waits for its exit
// status in a nested event loop, so the window goes on painting and taking input meanwhile.
// An opener still running after patience is left to run, and to outlive the program.
LaunchOutcome RunLauncher(const std::string& url,
                          std::chrono::milliseconds patience = kLauncherPatience);

