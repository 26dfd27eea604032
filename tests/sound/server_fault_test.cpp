// The cue player when the sound server fails: it restarts, stalls, changes its default sink
// or is missing.

#include "audio_test_main.h"
#include "poll.h"
#include "server_fixture.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <thread>

namespace {

// The server restarts during a game, as a package upgrade does: the next cue plays on the
// new server, with at most one line printed.
TEST_F(ServerTest, NextCuePlaysAfterTheServerRestarts)
{
    CapturedStderr captured;
    for (bool idle : {false, true}) {
        SCOPED_TRACE(idle ? "restarted while the game was idle" : "restarted while the device was open");
        PlayCue(kCueClick);
        if (idle) {
            ASSERT_TRUE(support::PollUntil([this] { return GameStreams().empty(); }, 5s));
        }
        server.Stop();
        ASSERT_TRUE(server.Start());
        ExpectClickAt(QStringLiteral("speakers"));
    }
    EXPECT_LE(Lines(captured.Text()), 1U) << captured.Text();
}

// The player plugs in headphones: the next cue plays there.
TEST_F(ServerTest, NextCuePlaysOnTheSinkMadeTheDefault)
{
    server.Pactl({QStringLiteral("set-default-sink"), QStringLiteral("headphones")});
    ExpectClickAt(QStringLiteral("headphones"));
    server.Pactl({QStringLiteral("set-default-sink"), QStringLiteral("speakers")});
}

// No server and no card: the cue is not played, sound goes off, and one line at most says so.
TEST_F(ServerTest, WithoutTheServerSoundGoesOffSilently)
{
    CapturedStderr captured;
    server.Stop();
    PlayCue(kCueClick);
    EXPECT_FALSE(g_bSound);
    EXPECT_LE(Lines(captured.Text()), 1U) << captured.Text();
    ASSERT_TRUE(server.Start());
}

// A server that stalls for two seconds never holds up the window: its events go on while
// cues are played, on a device left open and on one opened during the stall.
TEST_F(ServerTest, StalledServerNeverFreezesTheWindow)
{
    SetWaitFunction(WaitInEventLoop);
    for (bool idle : {false, true}) {
        SCOPED_TRACE(idle ? "stalled while the game was idle" : "stalled while the device was open");
        PlayCue(kCueClick);
        if (idle) {
            ASSERT_TRUE(support::PollUntil([this] { return GameStreams().empty(); }, 5s));
        }
        QElapsedTimer sinceTick;
        qint64 longest = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] { longest = std::max(longest, sinceTick.restart()); });
        ticks.start(10);
        sinceTick.start();
        server.Freeze();
        // The stall's own length, ended from outside the window's thread as the server ends it.
        std::thread thaw([this] {
            std::this_thread::sleep_for(2s);
            server.Thaw();
        });
        for (int id : {kCueClick, kCueLoss})
            PlayCue(id);
        support::LetIntervalPass(500ms);
        thaw.join();
        longest = std::max(longest, sinceTick.elapsed());
        EXPECT_LE(longest, 250) << "the window's events stood still for " << longest << " ms";
        g_bSound = true;
    }
    ExpectClickAt(QStringLiteral("speakers"));
}

}  // namespace
