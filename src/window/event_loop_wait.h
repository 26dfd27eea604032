#pragma once

#include <chrono>

// Waits until the deadline in a nested event loop ended by a precise single-shot timer: no
// CPU is used meanwhile, and repaints, input and the window manager's pings are handled, so
// the window never looks frozen. Returns at the deadline, not before. Installed as the
// program's wait function (base/wait.h).
void WaitInEventLoop(std::chrono::steady_clock::time_point deadline);
