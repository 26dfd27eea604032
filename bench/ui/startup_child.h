#pragma once

#include <chrono>

// The windows whose start-up is compared: a bare dialog of the game window's size, the same
// with one line of text (which costs the font configuration and Qt's font database), and the
// game window itself.
enum class StartUpWindow { kBare, kText, kGame };

// One start-up measured inside a fresh process: builds the application and the window, runs
// it until its first paint
// and prints "<ms from launch to first paint> <ms from main to first paint> <resident kB>".
// The launch is the parent's steady-clock reading just before it started the process; the
// steady clock is the same for every process on the machine.
int RunStartUpChild(int argc, char** argv, StartUpWindow window, std::chrono::steady_clock::time_point launch);
