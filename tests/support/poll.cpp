#include "poll.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <thread>

namespace support {
namespace {

constexpr auto kPollStep = 20ms;

void Rest(std::chrono::milliseconds interval)
{
    if (QCoreApplication::instance() == nullptr) {
        std::this_thread::sleep_for(interval);
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(interval, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// What the running test has reported so far: failures and skips.
int Reports()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return test ? test->result()->total_part_count() : 0;
}

}  // namespace

bool PollUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    const int reports = Reports();
    while (!done()) {
        // A failure inside the poll (a tool that failed, say) would only repeat itself.
        if (Reports() > reports)
            return false;
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= 0ms)
            return done();
        Rest(std::min(kPollStep, std::chrono::ceil<std::chrono::milliseconds>(left)));
    }
    return true;
}

void LetIntervalPass(std::chrono::milliseconds interval)
{
    const auto deadline = std::chrono::steady_clock::now() + interval;
    for (auto now = std::chrono::steady_clock::now(); now < deadline; now = std::chrono::steady_clock::now())
        Rest(std::chrono::ceil<std::chrono::milliseconds>(deadline - now));
}

}  // namespace support
