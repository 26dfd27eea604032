// Launches a URL the way the game does and ends at once, as the game does after a launch.
// Arguments: the URL and the patience in milliseconds. Exits 0 when the opener was still
// running at the end of its patience, 1 otherwise.
#include <QCoreApplication>
#include <chrono>
#include <string>

#include "launch/launcher.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const LaunchOutcome outcome = RunLauncher(argv[1], std::chrono::milliseconds(std::stoi(argv[2])));
    return outcome.end == LaunchOutcome::End::kStillRunning ? 0 : 1;
}
