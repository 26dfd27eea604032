// A cue that cannot be played: sound goes off at once, the game goes on, and at most one line
// says why. Built three times, with the machine's own drivers, a driver that does not exist,
// and a driver that cannot open its output.

#include "audio_test_main.h"
#include "base/sound_switch.h"
#include "sound/cue_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

void ConfigureAudioEnvironment()
{
#if GLIMMERJIG_NO_DEVICE == 1
    ::setenv("SDL_AUDIODRIVER", "glimmerjig-no-such-driver", 1);
#elif GLIMMERJIG_NO_DEVICE == 2
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", "/nonexistent-folder/glimmerjig.raw", 1);
#else
    ::unsetenv("SDL_AUDIODRIVER");
#endif
}

namespace {

TEST(NoDevice, FirstCueSwitchesSoundOffQuicklyAndRetriesOnlyWhenSwitchedOn)
{
    CapturedStderr captured;
    g_bSound = true;
    const auto before = Clock::now();
    PlayCue(244);
    const auto elapsed = Clock::now() - before;
#if GLIMMERJIG_NO_DEVICE == 0
    if (g_bSound)
        GTEST_SKIP() << "this machine has a sound device";
#endif
    EXPECT_FALSE(g_bSound);
    EXPECT_LT(elapsed, milliseconds(50));

    const auto quiet = Clock::now();
    PlayCue(243);  // sound is off: nothing is tried
    PlayCue(245);
    EXPECT_LT(Clock::now() - quiet, milliseconds(1));

    g_bSound = true;  // the player switches sound on again: the next cue tries again
    PlayCue(246);
    EXPECT_FALSE(g_bSound);
    Pause(100);  // the game goes on

    const std::string text = captured.Text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
}

}  // namespace
