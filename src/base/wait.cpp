#include "base/wait.h"

#include <thread>

namespace {

void Sleep(std::chrono::steady_clock::time_point deadline)
{
    while (std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_until(deadline);
}

WaitFunction g_wait = Sleep;

}  // namespace

void SetWaitFunction(WaitFunction wait)
{
    g_wait = wait != nullptr ? wait : Sleep;
}

void WaitUntil(std::chrono::steady_clock::time_point deadline)
{
    g_wait(deadline);
}
