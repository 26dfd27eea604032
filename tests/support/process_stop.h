#pragma once

#include <QProcess>
#include <chrono>

namespace support {

using namespace std::chrono_literals;

// Ends a process the test started: asks it to stop (SIGTERM), so that it can take its own
// children down, and kills it when it has not ended within the grace. Returns once it has
// ended; nothing happens to one that is not running.
void StopProcess(QProcess& process, std::chrono::milliseconds grace = 5s);

}  // namespace support
