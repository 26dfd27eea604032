// The Help command's cues on a real device: SDL's disk driver writes what the game plays.
#include <QApplication>
#include <QTimer>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <unistd.h>

#include "base/sound_switch.h"
#include "disk_output.h"
#include "help_dlg_helper.h"
#include "ui/cell_button.h"
#include "ui/classic_look.h"
#include "ui/event_loop_wait.h"
#include "ui/game_dlg.h"
#include "wave_reader.h"

namespace {

using namespace std::chrono_literals;

const std::string g_output = "/tmp/glimmerjig-help-disk-" + std::to_string(::getpid()) + ".raw";

int g_launches = 0;
void CountLaunch(QWidget*, std::string_view) { ++g_launches; }

// The device output since from, once the driver has caught up with the latest cue.
std::vector<std::uint8_t> OutputSince(std::size_t from)
{
    WaitInEventLoop(std::chrono::steady_clock::now() + 200ms);
    const auto all = ReadFile(g_output);
    return {all.begin() + static_cast<long>(std::min(from, all.size())), all.end()};
}

TEST(HelpCueTest, TheLoopPlaysWhileHelpIsOpenAndTheClickStopsItAtOnceWhenItCloses)
{
    g_bSound = true;
    CGameDlg game(DefaultSoundOutput(), CountLaunch);
    game.show();
    const auto loop = DeviceSamples(245);
    const auto click = DeviceSamples(244);
    ASSERT_FALSE(loop.empty());
    const std::size_t before = ReadFile(g_output).size();

    // Open longer than the loop lasts, so it has to start over while Help is up.
    constexpr auto kOpen = 3500ms;
    bool wasOpen = false;
    QTimer::singleShot(kOpen, [&] {
        auto* help = qobject_cast<CHelpDlg*>(QApplication::activeModalWidget());
        wasOpen = help && help->isVisible();
        if (help)
            HelpButton(*help, 1)->click();
    });
    game.findChild<CCellButton*>(QStringLiteral("ctl1114"))->click();
    ASSERT_TRUE(wasOpen);
    EXPECT_TRUE(game.isVisible());
    EXPECT_EQ(g_launches, 0);
    EXPECT_TRUE(g_bSound);
    const auto output = OutputSince(before);

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

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", g_output.c_str(), 1);
    QApplication app(argc, argv);
    ApplyClassicLook(app);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::remove(g_output.c_str());
    return result;
}
