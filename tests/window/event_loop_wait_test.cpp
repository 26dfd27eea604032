// Waiting keeps events flowing, does not return early and does not burn the CPU.
#include <QTimer>
#include <chrono>
#include <ctime>
#include <gtest/gtest.h>

#include "window/event_loop_wait.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

TEST(EventLoopWaitTest, ReturnsAtTheDeadlineHavingHandledEvents)
{
    bool timerFired = false;
    QTimer::singleShot(5, [&] { timerFired = true; });
    for (int ms : {1, 7, 40}) {
        const auto deadline = steady_clock::now() + milliseconds(ms);
        WaitInEventLoop(deadline);
        EXPECT_GE(steady_clock::now(), deadline) << ms;
    }
    EXPECT_TRUE(timerFired);
}

TEST(EventLoopWaitTest, PastDeadlineReturnsAtOnce)
{
    bool timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    WaitInEventLoop(steady_clock::now() - milliseconds(5));
    EXPECT_FALSE(timerFired);
}

TEST(EventLoopWaitTest, SleepsInsteadOfSpinning)
{
    const std::clock_t cpuBefore = std::clock();
    WaitInEventLoop(steady_clock::now() + milliseconds(300));
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    // A spinning wait would use the whole 300 ms of processor time.
    EXPECT_LT(cpuMs, 100.0);
}

}  // namespace
