#include "settled.h"

#include "poll.h"

QString GameExecutable()
{
    return qEnvironmentVariable("GLIMMERJIG_EXECUTABLE", QStringLiteral(GLIMMERJIG_EXECUTABLE));
}

QImage Settled(const std::function<QImage()>& shoot, std::chrono::milliseconds limit)
{
    using Clock = std::chrono::steady_clock;
    QImage last = shoot();
    Clock::time_point changed = Clock::now();
    const bool settled = support::PollUntil(
        [&] {
            QImage now = shoot();
            if (now != last) {
                last = now;
                changed = Clock::now();
            }
            return !last.isNull() && Clock::now() - changed > kLongestStill + 200ms;
        },
        limit);
    return settled ? last : QImage();
}
