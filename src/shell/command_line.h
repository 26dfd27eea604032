#pragma once

// What the command line asks for: a game, or an answer on the terminal and an exit code.
struct CommandLineOutcome {
    bool bPlay;
    int nExitCode;            // meaningful when bPlay is false
    bool bWindowSystemNamed;  // Qt's -platform or -display says where the window goes
};

// Answers --help and --version on standard output (exit 0) and rejects anything else with one
// line on standard error (exit 2); Qt's own options are left for Qt. Needs no display: no
// window system is touched.
CommandLineOutcome HandleCommandLine(int argc, char** argv);

// Whether a window system can be reached at all. When not, says so in one line on standard
// error; the caller then exits with 1 instead of letting Qt abort.
bool HasDisplay();
