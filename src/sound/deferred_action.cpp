#include "sound/deferred_action.h"

DeferredAction::~DeferredAction()
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void DeferredAction::Arm(Clock::duration delay)
{
    {
        std::lock_guard lock(mutex_);
        delay_ = delay;
        due_ = Clock::now() + delay;
        if (!thread_.joinable())
            thread_ = std::thread(&DeferredAction::Run, this);
    }
    changed_.notify_one();
}

void DeferredAction::Run()
{
    std::unique_lock lock(mutex_);
    while (!quit_) {
        if (!due_) {
            changed_.wait(lock);
            continue;
        }
        if (Clock::now() < *due_) {
            changed_.wait_until(lock, *due_);
            continue;
        }
        due_.reset();
        lock.unlock();
        const bool done = action_();
        lock.lock();
        if (!done && !due_)
            due_ = Clock::now() + delay_;
    }
}
