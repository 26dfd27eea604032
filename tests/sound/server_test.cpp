// The cue player through a real sound server, as players have it: what reaches the sink,
// what the mixer shows, when the card may sleep, and the server's faults. Built once per
// server; the program's one server plays the desktop's, and a test that stops it starts it
// again.

#include "audio_test_main.h"
#include "base/cue_ids.h"
#include "base/sound_switch.h"
#include "base/wait.h"
#include "cue_match.h"
#include "poll.h"
#include "sink_recorder.h"
#include "sound/cue_player.h"
#include "sound_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <thread>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using support::SinkRecorder;
using support::SoundServer;

namespace {

constexpr auto kKind = static_cast<support::SoundServerKind>(GLIMMERJIG_SOUND_SERVER);
// One period of the server's graph: PipeWire's default quantum, longer than PulseAudio's
// wake-up for a stream asking for SDL's latency.
constexpr std::size_t kPeriodFrames = 1024;
constexpr double kWhole = 0.99;  // the least correlation of a cue that arrived as made

SoundServer* g_server = nullptr;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

std::size_t Frames(std::chrono::milliseconds time)
{
    return static_cast<std::size_t>(time.count()) * SinkRecorder::kRate / 1000;
}

std::size_t Lines(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Waits as the game's window does, its events flowing.
void WaitInEventLoop(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left <= 0ms)
        return;
    QEventLoop loop;
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

class ServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_bSound = true;
        ASSERT_TRUE(g_server);
    }
    void TearDown() override { SetWaitFunction(nullptr); }

    // The streams this program holds on the server.
    std::vector<QMap<QString, QString>> GameStreams() const
    {
        auto streams = server.Streams();
        const QString self = QString::number(QCoreApplication::applicationPid());
        std::erase_if(streams, [&self](const auto& stream) { return stream.value(QStringLiteral("application.process.id")) != self; });
        return streams;
    }
    // The click played, and found whole in what the sink received.
    void ExpectClickAt(const QString& sink)
    {
        SinkRecorder recorder(server, sink);
        ASSERT_TRUE(recorder.Started());
        const std::size_t before = recorder.Frames();
        PlayCue(kCueClick);
        ASSERT_TRUE(g_bSound);
        const auto click = CueSamples(kCueClick);
        ASSERT_TRUE(recorder.WaitForFrames(before + click.size() / 2 + Frames(100ms), 5s));
        const auto match = FindCue(recorder.Samples(), click, before);
        ASSERT_TRUE(match) << "nothing reached " << sink.toStdString();
        EXPECT_GE(match->correlation, kWhole);
    }

    SoundServer& server = *g_server;
};

// The game names itself to the desktop's mixer: its name and icon, what the stream is, and
// that it is a game.
TEST_F(ServerTest, MixerShowsTheGameByNameIconStreamAndRole)
{
    PlayCue(kCueLoop);
    ASSERT_TRUE(g_bSound);
    ASSERT_TRUE(support::PollUntil([this] { return GameStreams().size() == 1; }));
    const auto stream = GameStreams().front();
    const std::pair<const char*, const char*> shown[] = {
        {"application.name", "Glimmerjig"},
        {"application.icon_name", "io.glimmerjig.Glimmerjig"},
        {"media.name", "Sound cues"},
        {"media.role", "game"},
    };
    for (const auto& [property, value] : shown)
        EXPECT_EQ(stream.value(QString::fromLatin1(property)).toStdString(), value) << property;
    PlayCue(kCueClick);
}

// A move's clicks, the computer's reply and the end of a game, at the flow's pace: each cue
// whole, in order, with the pauses between them.
TEST_F(ServerTest, EachCueArrivesWholeInOrderWithThePausesBetween)
{
    SinkRecorder recorder(server, QStringLiteral("speakers"));
    ASSERT_TRUE(recorder.Started());
    const std::pair<int, int> flow[] = {  // a cue, then Pause(n)
        {kCueClick, 100}, {kCueClick, 2}, {kCueClick, 4}, {kCueLoss, 1}, {kCueWin, 1},
    };
    for (const auto& [id, pause] : flow) {
        PlayCue(id);
        Pause(pause);
    }
    ASSERT_TRUE(g_bSound);
    std::size_t from = 0;
    std::size_t previousEnd = 0;
    int previousPause = 0;
    const auto recording = recorder.Samples();
    for (const auto& [id, pause] : flow) {
        SCOPED_TRACE(testing::Message() << "cue " << id << " after Pause(" << previousPause << ")");
        const auto cue = CueSamples(id);
        const auto match = FindCue(recording, cue, from);
        ASSERT_TRUE(match);
        EXPECT_GE(match->correlation, kWhole);
        if (previousEnd != 0) {
            const auto gap = static_cast<double>(match->frame) - static_cast<double>(previousEnd);
            EXPECT_NEAR(gap, static_cast<double>(Frames(std::chrono::milliseconds(1000 / previousPause))),
                        static_cast<double>(kPeriodFrames));
        }
        previousEnd = match->frame + cue.size() / 2;
        previousPause = pause;
        from = previousEnd;
    }
}

// Help's loop starts over with no gap and no click, and the cue that closes Help ends it at
// the sink at once.
TEST_F(ServerTest, LoopRepeatsSeamlesslyAndStopsAtTheSinkAtOnce)
{
    SinkRecorder recorder(server, QStringLiteral("speakers"));
    ASSERT_TRUE(recorder.Started());
    const auto loop = CueSamples(kCueLoop);
    const std::size_t loopFrames = loop.size() / 2;
    const std::size_t before = recorder.Frames();
    PlayCue(kCueLoop);
    // Half a loop past its seam, counted in what reached the sink.
    const auto played = [&] {
        const auto start = FindCue(recorder.Samples(), loop, before);
        return start && recorder.Frames() > start->frame + loopFrames * 3 / 2;
    };
    ASSERT_TRUE(support::PollUntil(played));
    const auto closed = Clock::now();
    PlayCue(kCueClick);
    const auto recording = recorder.Samples();
    const auto start = FindCue(recording, loop, before);
    ASSERT_TRUE(start);
    EXPECT_GE(start->correlation, kWhole);

    // The loop goes on sample for sample from its start until the click replaced it.
    std::size_t stop = start->frame;
    while (stop < recording.size() / 2 &&
           std::abs(recording[2 * stop] - loop[2 * ((stop - start->frame) % loopFrames)]) <= 2)
        ++stop;
    EXPECT_GT(stop, start->frame + loopFrames + kPeriodFrames) << "the loop broke at its seam";
    const auto click = FindCue(recording, CueSamples(kCueClick), stop);
    ASSERT_TRUE(click);
    EXPECT_GE(click->correlation, kWhole);
    EXPECT_LE(Ms(recorder.TimeOf(stop) - closed), 25.0) << "the loop played on after Help closed";
}

// The server, started before any test and stopped after the last.
class ServerEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        m_server = std::make_unique<SoundServer>(kKind);
        ASSERT_TRUE(m_server->Start());
        m_server->Use();
        g_server = m_server.get();
    }
    void TearDown() override
    {
        g_server = nullptr;
        m_server.reset();
    }

private:
    std::unique_ptr<SoundServer> m_server;
};

// An idle game holds no stream: the stream leaves the server soon after the last cue, and
// the sink can then suspend after the server's own timeout. The sink is awake when the cue
// plays, as a card is: PulseAudio's null sink, woken by a new stream alone, first sleeps out
// its two-second block.
TEST_F(ServerTest, StreamLeavesSoonAfterTheLastCueAndTheSinkSuspends)
{
    ASSERT_TRUE(support::PollUntil([this] { return GameStreams().empty(); }, 5s));
    {
        SinkRecorder awake(server, QStringLiteral("speakers"));
        ASSERT_TRUE(awake.Started());
        PlayCue(kCueClick);
        const auto played = Clock::now();
        ASSERT_EQ(GameStreams().size(), 1U);
        ASSERT_TRUE(support::PollUntil([this] { return GameStreams().empty(); }, 5s));
        EXPECT_LE(Ms(Clock::now() - played), 1500.0) << "the stream stayed on the server";
    }
    EXPECT_TRUE(support::PollUntil([this] { return server.SinkState(QStringLiteral("speakers")) == "SUSPENDED"; }, 15s));
}

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

void ConfigureAudioEnvironment()
{
    // SDL chooses its driver as a player's game does.
    ::unsetenv("SDL_AUDIODRIVER");
    static int argc = 1;
    static char name[] = "sound_server_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    testing::AddGlobalTestEnvironment(new ServerEnvironment);
}
