// What reaches the device: SDL's disk driver writes every buffer the callback fills to a file.

#include "assets/cues.h"
#include "audio_test_main.h"
#include "base/sound_switch.h"
#include "disk_output.h"
#include "poll.h"
#include "sound/cue_player.h"
#include "wave_reader.h"

#include <gtest/gtest.h>


using namespace std::chrono_literals;

namespace {

long SourceFrames(int id)
{
    const auto bytes = CueBytes(id);
    const WaveInfo info = ReadWave({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    return info.factFrames >= 0 ? info.factFrames : static_cast<long>(info.dataBytes) / info.blockAlign;
}

TEST(DiskOutput, EachOneShotCueReachesTheDeviceWholeBetweenSilence)
{
    for (int id : {244, 246, 243}) {
        SCOPED_TRACE(id);
        g_bSound = true;
        const auto cue = DeviceSamples(id);
        const double expectedFrames = static_cast<double>(SourceFrames(id)) * 48000.0 /
                                      (id == 244 ? 11025.0 : 8000.0);
        EXPECT_NEAR(static_cast<double>(cue.size() / kFrameBytes), expectedFrames, 2.0);
        EXPECT_FALSE(Silent(cue, 0, cue.size()));

        const std::size_t before = DeviceOutputSize();
        PlayCue(id);
        ASSERT_TRUE(g_bSound);
        const auto output = DeviceOutputSince(before, cue);
        const std::size_t at = Find(output, cue);
        ASSERT_LT(at, output.size()) << "the cue's samples are not in the output";
        EXPECT_TRUE(Silent(output, at + cue.size(), output.size())) << "sound after the cue";
        EXPECT_TRUE(Silent(output, 0, at));
    }
}

TEST(DiskOutput, LoopRepeatsSeamlesslyUntilTheNextCueStopsItAtOnce)
{
    g_bSound = true;
    const auto loop = DeviceSamples(245);
    const auto click = DeviceSamples(244);
    ASSERT_FALSE(loop.empty());
    const std::size_t before = DeviceOutputSize();
    PlayCue(245);
    support::LetIntervalPass(2700ms);  // past the loop's end
    g_bSound = false;
    PlayCue(244);
    support::LetIntervalPass(300ms);
    g_bSound = true;
    PlayCue(244);
    const auto output = DeviceOutputSince(before, click);

    // The loop plays on through the cue played with sound off, until the click replaces it.
    std::size_t played = 0;
    ASSERT_TRUE(LoopStoppedAtOnceByTheClick(output, loop, click, played));
    EXPECT_GT(played, loop.size() + 300 * 48 * kFrameBytes);
}

}  // namespace

void ConfigureAudioEnvironment()
{
    UseDiskAudio();
}
