// What reaches the device: SDL's disk driver writes every buffer the callback fills to a file.

#include "assets/cues.h"
#include "audio_test_main.h"
#include "base/sound_switch.h"
#include "disk_output.h"
#include "poll.h"
#include "sound/cue_player.h"
#include "wave_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

const std::string g_output = "/tmp/glimmerjig-disk-" + std::to_string(::getpid()) + ".raw";

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

        const std::size_t before = ReadFile(g_output).size();
        PlayCue(id);
        ASSERT_TRUE(g_bSound);
        const auto output = DeviceOutputSince(g_output, before, cue);
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
    const std::size_t before = ReadFile(g_output).size();
    PlayCue(245);
    support::LetIntervalPass(2700ms);  // past the loop's end
    g_bSound = false;
    PlayCue(244);
    support::LetIntervalPass(300ms);
    g_bSound = true;
    PlayCue(244);
    const auto output = DeviceOutputSince(g_output, before, click);

    const std::size_t start = Find(output, loop);
    ASSERT_LT(start, output.size());
    const std::size_t clickAt = Find(output, click, start);
    ASSERT_LT(clickAt, output.size());
    // The loop plays on byte for byte around its seam, through the cue played with sound off,
    // until the click replaces it.
    std::size_t end = start;
    while (end < clickAt && output[end] == loop[(end - start) % loop.size()])
        ++end;
    EXPECT_GT(end - start, loop.size() + 300 * 48 * kFrameBytes);
    EXPECT_LE(clickAt - end, 2 * kBufferBytes) << "the loop was not stopped at once";
    EXPECT_TRUE(Silent(output, end, clickAt));
    EXPECT_TRUE(Silent(output, clickAt + click.size(), output.size()));
}

}  // namespace

void ConfigureAudioEnvironment()
{
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", g_output.c_str(), 1);
    std::atexit([] { std::remove(g_output.c_str()); });
}
