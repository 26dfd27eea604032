#include "shell/command_line.h"
#include "shell/game_app.h"

int main(int argc, char** argv)
{
    const CommandLineOutcome command = HandleCommandLine(argc, argv);
    if (!command.bPlay)
        return command.nExitCode;
    if (!command.bWindowSystemNamed && !HasDisplay())
        return 1;
    CGameApp app;
    return app.Run(argc, argv);
}
