#include "window/event_loop_wait.h"

#include <QEventLoop>
#include <QTimer>

void WaitInEventLoop(std::chrono::steady_clock::time_point deadline)
{
    using std::chrono::steady_clock;
    for (auto now = steady_clock::now(); now < deadline; now = steady_clock::now()) {
        // Rounded up, so the timer does not end the loop early.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(left);
        loop.exec();
    }
}
