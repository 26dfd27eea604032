// The cue player through a real sound server, as players have it: what the mixer shows, and
// when the card may sleep.

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

}  // namespace
