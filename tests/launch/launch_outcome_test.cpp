// How the end of a launch maps to the code the player sees.
#include <cerrno>
#include <gtest/gtest.h>
#include <string>

#include "launch/launch_outcome.h"

namespace {

using End = LaunchOutcome::End;

struct OutcomeCase {
    const char* what;
    LaunchOutcome outcome;
    const char* code;  // nullptr: no box
};

TEST(LaunchOutcomeTest, EachEndShowsItsCode)
{
    const OutcomeCase cases[] = {
        {"opened", {End::kExited, 0, 0}, nullptr},
        {"bad arguments", {End::kExited, 1, 0}, "5+"},
        {"file not found", {End::kExited, 2, 0}, "+3"},
        {"no handler", {End::kExited, 3, 0}, "2+"},
        {"handler failed", {End::kExited, 4, 0}, "5+"},
        {"unknown status", {End::kExited, 127, 0}, "5+"},
        {"crashed", {End::kCrashed, 0, 0}, "5+"},
        {"still waiting for its program", {End::kStillRunning, 0, 0}, nullptr},
        {"opener missing", {End::kNotStarted, 0, ENOENT}, "2+"},
        {"opener not runnable", {End::kNotStarted, 0, EACCES}, "+5"},
        {"not permitted", {End::kNotStarted, 0, EPERM}, "+5"},
        {"out of memory", {End::kNotStarted, 0, ENOMEM}, "3+"},
        {"out of process slots", {End::kNotStarted, 0, EAGAIN}, "3+"},
        {"other start failure", {End::kNotStarted, 0, ENOEXEC}, "5+"},
    };
    for (const OutcomeCase& c : cases) {
        const char* code = LaunchFailureCode(c.outcome);
        if (c.code == nullptr)
            EXPECT_EQ(code, nullptr) << c.what;
        else
            EXPECT_EQ(std::string(code ? code : "(none)"), c.code) << c.what;
    }
}

}  // namespace
