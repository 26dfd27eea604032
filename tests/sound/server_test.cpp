// The cue player through a real sound server, as players have it: what reaches the sink,
// what the mixer shows, when the card may sleep, and the server's faults. Built once per
// server; the program's one server plays the desktop's, and a test that stops it starts it
// again.

#include "base/cue_ids.h"
#include "base/sound_switch.h"
#include "base/wait.h"
#include "cue_match.h"
#include "poll.h"
#include "sink_recorder.h"
#include "sound/cue_player.h"
#include "sound_server.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

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

class ServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_bSound = true;
        ASSERT_TRUE(g_server);
    }
    SoundServer& server = *g_server;
};

// The game names itself to the desktop's mixer: its name and icon, what the stream is, and
// that it is a game.
TEST_F(ServerTest, MixerShowsTheGameByNameIconStreamAndRole)
{
    PlayCue(kCueLoop);
    ASSERT_TRUE(g_bSound);
    ASSERT_TRUE(support::PollUntil([this] { return server.Streams().size() == 1; }));
    const auto stream = server.Streams().front();
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
    { FILE* f = fopen("/tmp/sndx/flow.raw", "wb"); fwrite(recording.data(), 2, recording.size(), f); fclose(f);
      for (int i : {244, 246, 243, 245}) { auto c = CueSamples(i); FILE* g = fopen(("/tmp/sndx/cue" + std::to_string(i) + ".raw").c_str(), "wb"); fwrite(c.data(), 2, c.size(), g); fclose(g);} }
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

}  // namespace

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

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    // SDL chooses its driver as a player's game does.
    ::unsetenv("SDL_AUDIODRIVER");
    testing::AddGlobalTestEnvironment(new ServerEnvironment);
    return RUN_ALL_TESTS();
}
