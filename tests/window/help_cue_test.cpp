// The Help command's cues on a real device: SDL's disk driver writes what the game plays.
#include <gtest/gtest.h>

#include "base/sound_switch.h"
#include "disk_output.h"
#include "game_dlg_fixture.h"
#include "help_dlg_helper.h"

namespace {

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

    // Open until the loop has started over, counted in what the device wrote: a busy
    // machine slows the driver.
    bool wasOpen = false;
    std::size_t stoppedAt = 0;
    RunHelp(game, [&](CHelpDlg& help) {
        wasOpen = help.isVisible();
        ASSERT_TRUE(DeviceWritesWhole(before, loop, kLoopBufferBytes)) << "the loop stalled";
        stoppedAt = DeviceOutputSize() - before;
        HelpButton(help, control_name::kOk)->click();
    });
    ASSERT_TRUE(wasOpen);
    EXPECT_TRUE(game.isVisible());
    EXPECT_TRUE(g_launches.empty());
    EXPECT_TRUE(g_bSound);
    const auto output = DeviceOutputSince(before, click);

    std::size_t end = 0;
    ASSERT_TRUE(LoopStoppedAtOnceByTheClick(output, loop, click, stoppedAt, end));
    EXPECT_GT(end, Find(output, loop) + loop.size()) << "the loop did not start over";
}

}  // namespace
