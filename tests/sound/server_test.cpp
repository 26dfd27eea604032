// The cue player through a real sound server, as players have it: what the mixer shows,
// what reaches the sink, and when the card may sleep.

#include "poll.h"
#include "server_fixture.h"

namespace {

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

}  // namespace
