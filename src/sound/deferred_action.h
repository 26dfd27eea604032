#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Runs an action on a thread of its own once a delay has passed since it was last armed. The
// thread sleeps without waking while nothing is armed; it starts with the first Arm.
class DeferredAction {
public:
    using Clock = std::chrono::steady_clock;

    // action runs without the object's lock; it returns false to be run again one delay later.
    explicit DeferredAction(std::function<bool()> action) : action_(std::move(action)) {}
    ~DeferredAction();
    DeferredAction(const DeferredAction&) = delete;
    DeferredAction& operator=(const DeferredAction&) = delete;

    // (Re)starts the delay from now.
    void Arm(Clock::duration delay);

private:
    void Run();

    std::function<bool()> action_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Clock::time_point> due_;
    Clock::duration delay_{};
    bool quit_ = false;
    std::thread thread_;
};
