#include "process_stop.h"

namespace support {

void StopProcess(QProcess& process, std::chrono::milliseconds grace)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(static_cast<int>(grace.count()))) {
        process.kill();
        process.waitForFinished(static_cast<int>(grace.count()));
    }
}

}  // namespace support
