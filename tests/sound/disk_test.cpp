// What reaches the device: SDL's disk driver writes every buffer the callback fills to a file.

#include "assets/cues.h"
#include "audio_test_main.h"
#include "base/sound_switch.h"
#include "disk_output.h"
#include "sound/cue_player.h"
#include "wave_reader.h"

#include <gtest/gtest.h>



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
    // Judged by what the device wrote, not by the clock: a busy machine slows the driver.
    const std::size_t before = DeviceOutputSize();
    PlayCue(245);
    ASSERT_TRUE(DeviceWritesWhole(before, loop, kLoopBufferBytes)) << "the loop stalled";
    g_bSound = false;
    PlayCue(244);
    const std::size_t quiet = DeviceOutputSize() - before;
    const std::size_t onward = 300 * 48 * kFrameBytes;  // 300 ms of sound
    ASSERT_TRUE(DeviceWrites(before + quiet + onward)) << "the loop stalled";
    g_bSound = true;
    const std::size_t stoppedAt = DeviceOutputSize() - before;
    PlayCue(244);
    const auto output = DeviceOutputSince(before, click);

    // Past its seam and on through the cue played with sound off, until the click replaces it.
    std::size_t end = 0;
    ASSERT_TRUE(LoopStoppedAtOnceByTheClick(output, loop, click, stoppedAt, end));
    EXPECT_GT(end, Find(output, loop) + loop.size()) << "the loop broke at its seam";
    EXPECT_GE(end, quiet + onward) << "the cue played with sound off stopped the loop";
}

}  // namespace

void ConfigureAudioEnvironment()
{
    UseDiskAudio();
}
