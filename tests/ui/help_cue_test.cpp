// The Help command's cues on a real device: SDL's disk driver writes what the game plays.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

#include "base/sound_switch.h"
#include "disk_output.h"
#include "game_dlg_fixture.h"
#include "help_dlg_helper.h"
#include "poll.h"
#include "wave_reader.h"

namespace {

using namespace std::chrono_literals;

const std::string g_output = "/tmp/glimmerjig-help-disk-" + std::to_string(::getpid()) + ".raw";

// SDL's disk driver writes what the game plays to a file of this program's own; SDL reads the
// variables when the first cue opens the device.
class DiskAudio : public testing::Environment {
public:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", g_output.c_str(), 1);
    }
    void TearDown() override { std::remove(g_output.c_str()); }
};
testing::Environment* const g_diskAudio = testing::AddGlobalTestEnvironment(new DiskAudio);

TEST(HelpCueTest, TheLoopPlaysWhileHelpIsOpenAndTheClickStopsItAtOnceWhenItCloses)
{
    g_bSound = true;
    CGameDlg game(DefaultSoundOutput(), RecordLaunch);
    game.show();
    const auto loop = DeviceSamples(245);
    const auto click = DeviceSamples(244);
    ASSERT_FALSE(loop.empty());
    const std::size_t before = ReadFile(g_output).size();

    // Open longer than the loop lasts, so it has to start over while Help is up.
    constexpr auto kOpen = 3500ms;
    bool wasOpen = false;
    RunHelp(game, [&](CHelpDlg& help) {
        wasOpen = help.isVisible();
        support::LetIntervalPass(kOpen);
        HelpButton(help, control_name::kOk)->click();
    });
    ASSERT_TRUE(wasOpen);
    EXPECT_TRUE(game.isVisible());
    EXPECT_TRUE(g_launches.empty());
    EXPECT_TRUE(g_bSound);
    const auto output = DeviceOutputSince(g_output, before, click);

    const std::size_t start = Find(output, loop);
    ASSERT_LT(start, output.size()) << "the loop never reached the device";
    const std::size_t clickAt = Find(output, click, start);
    ASSERT_LT(clickAt, output.size()) << "no click after the loop";
    std::size_t end = start;
    while (end < clickAt && output[end] == loop[(end - start) % loop.size()])
        ++end;
    const auto openBytes = static_cast<std::size_t>(std::chrono::milliseconds(kOpen).count()) * 48 * kFrameBytes;
    EXPECT_GT(end - start, loop.size()) << "the loop did not start over";
    EXPECT_GT(end - start, openBytes * 9 / 10) << "the loop stopped before Help closed";
    EXPECT_LE(clickAt - end, 2 * kBufferBytes) << "the loop was not stopped at once";
    EXPECT_TRUE(Silent(output, end, clickAt));
    EXPECT_TRUE(Silent(output, clickAt + click.size(), output.size()));
}

}  // namespace
