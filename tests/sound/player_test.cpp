// The cue player and the pause on SDL's dummy driver, which plays in real time without a
// sound card.

#include "assets/cues.h"
#include "audio_test_main.h"
#include "base/sound_switch.h"
#include "sound/cue_player.h"
#include "base/wait.h"
#include "poll.h"
#include "wave_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using namespace std::chrono_literals;

void ConfigureAudioEnvironment()
{
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
}

namespace {

std::vector<Clock::duration> g_requests;
int g_sleepingWaits = 0;

// A virtual clock: notes how long the caller asked to wait and returns at once.
void RecordWait(Clock::time_point deadline)
{
    g_requests.push_back(deadline - Clock::now());
}

void CountingSleep(Clock::time_point deadline)
{
    ++g_sleepingWaits;
    std::this_thread::sleep_until(deadline);
}

// The cue's own length, from the frame count in its file.
Clock::duration CueLength(int id)
{
    const auto bytes = CueBytes(id);
    const auto* begin = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const WaveInfo info = ReadWave({begin, bytes.size()});
    const long frames = info.factFrames >= 0
                            ? info.factFrames
                            : static_cast<long>(info.dataBytes) / info.blockAlign;
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
        static_cast<double>(frames) / info.rate));
}

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The ids of SDL's audio threads in this process: one while the device is open, paused or
// not; a device closed and opened again has a thread of another id.
std::vector<std::string> AudioThreads()
{
    std::vector<std::string> threads;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        if (name.rfind("SDLAudio", 0) == 0)
            threads.push_back(task.path().filename());
    }
    return threads;
}

// SDL's audio thread once it has named itself, which it does after the device has opened;
// empty when none did within the limit.
std::string AudioThread()
{
    std::vector<std::string> threads;
    support::PollUntil([&threads] { return (threads = AudioThreads()).size() == 1; });
    return threads.size() == 1 ? threads.front() : std::string();
}

// How often that thread has gone to sleep of its own accord: once a period while it plays.
long Wakeups(const std::string& thread)
{
    std::ifstream status("/proc/self/task/" + thread + "/status");
    const std::string key = "voluntary_ctxt_switches:";
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    }
    return -1;
}

TEST(Pause, WaitsThousandOverNMillisecondsThroughTheWaitFunction)
{
    SetWaitFunction(RecordWait);
    const std::pair<int, int> cases[] = {{1, 1000}, {2, 500}, {4, 250}, {100, 10}, {3, 333}, {1500, 0}};
    for (const auto& [n, ms] : cases) {
        g_requests.clear();
        Pause(n);
        ASSERT_EQ(g_requests.size(), 1u) << n;
        EXPECT_GE(Ms(g_requests[0]), ms - 1.0) << n;
        EXPECT_LE(Ms(g_requests[0]), ms) << n;
    }
    SetWaitFunction(nullptr);
    const auto before = Clock::now();
    Pause(50);
    EXPECT_GE(Clock::now() - before, milliseconds(20)) << "the default wait is restored";
}

TEST(Pause, DefaultWaitReturnsAtTheDeadlineNotBefore)
{
    for (int ms : {0, 1, 7, 15}) {
        const auto deadline = Clock::now() + milliseconds(ms);
        WaitUntil(deadline);
        EXPECT_GE(Clock::now(), deadline) << ms;
    }
}

TEST(FatalCodes, UnknownCueAndZeroPauseEndTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT((g_bSound = true, PlayCue(242)), ::testing::ExitedWithCode(1), "Sound \\?");
    EXPECT_EXIT((g_bSound = true, PlayCue(247)), ::testing::ExitedWithCode(1), "Sound \\?");
    EXPECT_EXIT(Pause(0), ::testing::ExitedWithCode(1), "003");
}

TEST(FatalCodes, UnknownCueWithSoundOffIsIgnored)
{
    g_bSound = false;
    PlayCue(7);
    EXPECT_FALSE(g_bSound);
    g_bSound = true;
}

TEST(PlayCue, OneShotBlocksForItsLength)
{
    for (int id : {244, 246, 243}) {
        g_bSound = true;
        const auto before = Clock::now();
        PlayCue(id);
        const auto after = Clock::now();
        ASSERT_TRUE(g_bSound) << id;
        // Never back before the cue has played; the upper bound only catches a wait far too
        // long, so a busy machine does not fail it.
        EXPECT_GE(Ms(after - before), Ms(CueLength(id)) - 1.0) << id;
        EXPECT_LT(Ms(after - before), Ms(CueLength(id)) + 250.0) << id;
        const CueTimes times = LatestCueTimes();
        ASSERT_NE(times.first, Clock::time_point{}) << id;
        EXPECT_LT(times.first - times.start, milliseconds(100)) << id;
    }
}

TEST(PlayCue, OneShotWaitsThroughTheInstalledWaitFunction)
{
    g_bSound = true;
    g_sleepingWaits = 0;
    SetWaitFunction(CountingSleep);
    PlayCue(244);
    SetWaitFunction(nullptr);
    EXPECT_GE(g_sleepingWaits, 1);
    EXPECT_NE(LatestCueTimes().first, Clock::time_point{});
}

TEST(PlayCue, LoopRunsInTheBackgroundUntilACueGetsPastTheSwitch)
{
    g_bSound = true;
    PlayCue(245);  // the first call opens the device and decodes the cue
    PlayCue(244);

    const auto before = Clock::now();
    PlayCue(245);
    EXPECT_LT(Clock::now() - before, milliseconds(5));
    const auto loopStart = LatestCueTimes().start;
    support::LetIntervalPass(std::chrono::ceil<milliseconds>(CueLength(245)) + milliseconds(200));  // past the loop's end
    EXPECT_EQ(LatestCueTimes().last, Clock::time_point{}) << "the loop never ends by itself";

    g_bSound = false;
    const auto quiet = Clock::now();
    PlayCue(244);
    EXPECT_LT(Clock::now() - quiet, milliseconds(1));
    EXPECT_EQ(LatestCueTimes().start, loopStart) << "with sound off the loop goes on";

    g_bSound = true;
    PlayCue(244);
    EXPECT_GT(LatestCueTimes().start, loopStart);
    EXPECT_NE(LatestCueTimes().first, Clock::time_point{});
}

TEST(PlayCue, IdleDeviceClosesASecondAfterTheLastCueAndTheNextCueOpensItAgain)
{
    g_bSound = true;
    PlayCue(244);
    ASSERT_TRUE(g_bSound);
    const std::vector<std::string> device{AudioThread()};
    ASSERT_NE(device.front(), "");
    // Cues half a second apart, on past a second after the first: one device plays them all.
    for (int cue = 2; cue <= 4; ++cue) {
        support::LetIntervalPass(500ms);
        PlayCue(244);
        EXPECT_EQ(AudioThreads(), device) << "the device closed within the burst, before cue " << cue;
    }
    const auto last = LatestCueTimes().start;
    EXPECT_TRUE(support::PollUntil([] { return AudioThreads().empty(); })) << "an idle device stays open";
    const auto closed = Clock::now();
    EXPECT_GE(closed - last, 1s) << "closed before it was idle for a second";
    EXPECT_LT(closed - last, 2s) << "closed " << Ms(closed - last) << " ms after the last cue";

    PlayCue(245);
    EXPECT_NE(AudioThread(), "");
    support::LetIntervalPass(std::chrono::ceil<milliseconds>(CueLength(245)));  // past the idle delay
    EXPECT_EQ(AudioThreads().size(), 1u) << "the loop was cut off";
    EXPECT_EQ(LatestCueTimes().last, Clock::time_point{});

    const auto click = Clock::now();
    PlayCue(244);
    EXPECT_GT(LatestCueTimes().first, click);
    EXPECT_TRUE(support::PollUntil([] { return AudioThreads().empty(); })) << "the device stays open after the loop";
    g_bSound = true;
}

TEST(PlayCue, LoopWakesTheAudioThreadOncePer1024Frames)
{
    g_bSound = true;
    PlayCue(245);
    const std::string thread = AudioThread();
    ASSERT_NE(thread, "");
    const long before = Wakeups(thread);
    const auto from = Clock::now();
    support::LetIntervalPass(1s);
    const long wakeups = Wakeups(thread) - before;
    const double perSecond = static_cast<double>(wakeups) / std::chrono::duration<double>(Clock::now() - from).count();
    PlayCue(244);
    // 48,000 frames a second in periods of 1024: about 47 wake-ups a second (200 at 240 frames).
    // A busy machine only delays them.
    EXPECT_GT(perSecond, 20.0);
    EXPECT_LT(perSecond, 60.0);
}

}  // namespace
