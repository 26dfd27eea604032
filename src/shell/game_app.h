#pragma once

// The application: sets the look, builds the game window and runs it. The program lives
// inside that run; closing the window ends it.
class CGameApp {
public:
    // Returns the process exit code: 0 when the window has closed.
    int Run(int& argc, char** argv);
};
