// A cue that cannot be played: sound goes off at once, the game goes on, and at most one line
// says why. Built three times, with the machine's own drivers, a driver that does not exist,
// and a driver that cannot open its output. "At once" is judged by the waits the player asks
// for, not by the clock, so a busy machine cannot fail it.

#include "audio_test_main.h"
#include "base/sound_switch.h"
#include "base/wait.h"
#include "sound/cue_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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

int g_waits = 0;

// Counts the waits asked for and returns at once.
void CountWait(std::chrono::steady_clock::time_point)
{
    ++g_waits;
}

TEST(NoDevice, FirstCueSwitchesSoundOffAtOnceAndRetriesOnlyWhenSwitchedOn)
{
    CapturedStderr captured;
    SetWaitFunction(CountWait);
    g_bSound = true;
    PlayCue(244);
#if GLIMMERJIG_NO_DEVICE == 0
    if (g_bSound) {
        SetWaitFunction(nullptr);
        GTEST_SKIP() << "this machine has a sound device";
    }
#endif
    EXPECT_FALSE(g_bSound);
    EXPECT_EQ(g_waits, 0) << "the cue that could not play was waited for";

    PlayCue(243);  // sound is off: nothing is tried
    PlayCue(245);
    g_bSound = true;  // the player switches sound on again: the next cue tries again
    PlayCue(246);
    EXPECT_FALSE(g_bSound);
    EXPECT_EQ(g_waits, 0) << "a cue that could not play was waited for";

    Pause(100);  // the game goes on
    EXPECT_EQ(g_waits, 1);
    SetWaitFunction(nullptr);

    const std::string text = captured.Text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
}

}  // namespace
