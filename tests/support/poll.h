#pragma once

#include <chrono>
#include <functional>

// Waiting in tests: for what a test expects, with a deadline, never a fixed sleep. Between
// polls the Qt event loop runs when the program has one, so timers, processes and windows go
// on; without one the thread sleeps.
namespace support {

using namespace std::chrono_literals;

// Asks done() until it holds or the limit has passed, or until done() has made the test fail;
// its last answer.
bool PollUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s);

// Lets an interval pass that is itself what the test measures (two screenshots so far apart,
// sound played past a loop's end); events flow meanwhile as they do between polls.
void LetIntervalPass(std::chrono::milliseconds interval);

}  // namespace support
