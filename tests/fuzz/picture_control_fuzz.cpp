// libFuzzer target: the picture-text control on the offscreen platform, driven through its
// whole public API as the bytes say, beside a twin given the same calls (CControlWalk, three
// bytes a step, at most 200 steps an input). A step after which the screen differs from the
// twin painted whole ends the run with the steps that led there. At exit it says how many
// inputs and steps it walked.
#include <QApplication>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "control_walk.h"

namespace {

long g_inputs = 0;
long g_steps = 0;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_picture_control";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own globals may go first at exit.
    static QApplication* const app = new QApplication(argc, argv);
    (void)app;
    std::atexit([] { std::fprintf(stderr, "picture-text walk: %ld inputs, %ld steps\n", g_inputs, g_steps); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kMostSteps = 200;
    CControlWalk walk;
    const std::uint8_t* at = data;
    const std::uint8_t* const end = data + std::min(size, 3 * kMostSteps);
    ++g_inputs;
    while (at < end) {
        ++g_steps;
        if (!walk.Step(at, end)) {
            std::fputs(walk.Report().c_str(), stderr);
            std::abort();
        }
    }
    return 0;
}
