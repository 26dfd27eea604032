#include "launch/launch_outcome.h"

#include <cerrno>

namespace {

const char* ExitCode(int status)
{
    switch (status) {
    case 0:
        return nullptr;
    case 2:
        return "+3";
    case 3:
        return "2+";
    default:
        return "5+";
    }
}

const char* StartCode(int error)
{
    switch (error) {
    case ENOENT:
        return "2+";
    case EACCES:
    case EPERM:
        return "+5";
    case ENOMEM:
    case EAGAIN:
        return "3+";
    default:
        return "5+";
    }
}

}  // namespace

const char* LaunchFailureCode(const LaunchOutcome& outcome)
{
    switch (outcome.end) {
    case LaunchOutcome::End::kExited:
        return ExitCode(outcome.exitCode);
    case LaunchOutcome::End::kCrashed:
        return "5+";
    case LaunchOutcome::End::kStillRunning:
        return nullptr;
    case LaunchOutcome::End::kNotStarted:
        return StartCode(outcome.startError);
    }
    return "5+";
}
