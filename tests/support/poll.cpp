#include "poll.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
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

}  // namespace

bool PollUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
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
