#pragma once

#include <chrono>

// One start-up measured inside a fresh process: builds the application and either a bare
// dialog of the game window's size or the game window itself, runs it until its first paint
// and prints "<ms from launch to first paint> <ms from main to first paint> <resident kB>".
// The launch is the parent's steady-clock reading just before it started the process; the
// steady clock is the same for every process on the machine.
int RunStartUpChild(int argc, char** argv, bool game, std::chrono::steady_clock::time_point launch);
