// The Help command's cues on a real device: SDL's disk driver writes what the game plays.
#include <chrono>
#include <gtest/gtest.h>

#include "base/sound_switch.h"
#include "disk_output.h"
#include "game_dlg_fixture.h"
#include "help_dlg_helper.h"
#include "poll.h"

namespace {

using namespace std::chrono_literals;

// SDL's disk driver writes what the game plays, from before the window's first cue.
class DiskAudio : public testing::Environment {
public:
    void SetUp() override { UseDiskAudio(); }
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
    const std::size_t before = DeviceOutputSize();

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
    const auto output = DeviceOutputSince(before, click);

    std::size_t played = 0;
    ASSERT_TRUE(LoopStoppedAtOnceByTheClick(output, loop, click, played));
    const auto openBytes = static_cast<std::size_t>(std::chrono::milliseconds(kOpen).count()) * 48 * kFrameBytes;
    EXPECT_GT(played, loop.size()) << "the loop did not start over";
    EXPECT_GT(played, openBytes * 9 / 10) << "the loop stopped before Help closed";
}

}  // namespace
