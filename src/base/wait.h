#pragma once

#include <chrono>

// How the program blocks for a pause or a one-shot cue without spinning a core. The window
// installs a function that keeps its events flowing until the deadline; the default sleeps.
using WaitFunction = void (*)(std::chrono::steady_clock::time_point deadline);

// nullptr restores the default.
void SetWaitFunction(WaitFunction wait);

// Returns at the deadline, not before.
void WaitUntil(std::chrono::steady_clock::time_point deadline);
