#pragma once

// How one run of the desktop's opener (xdg-open) ended.
struct LaunchOutcome {
    enum class End {
        kExited,        // it ended by itself with exitCode
        kCrashed,       // a signal ended it
        kStillRunning,  // still waiting for the program it started: the target counts as handed over
        kNotStarted,    // startError (an errno value) kept it from starting
    };
    End end = End::kExited;
    int exitCode = 0;
    int startError = 0;
};

// The two-character code that reports a failed launch to the player, or nullptr when the
// target was handed over. The opener's exit status 2 (file not found) gives "+3"; 3 (no
// program for the target) and an opener that is not installed give "2+"; an opener that may
// not be run gives "+5", one the system lacked the memory or process slots to start "3+";
// every other failure (1 bad arguments, 4 the program failed, a crash) gives "5+".
const char* LaunchFailureCode(const LaunchOutcome& outcome);
