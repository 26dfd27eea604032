// What a cue costs in time and in wake-ups on SDL's dummy driver, which plays in real time:
//   SDL_AUDIODRIVER=dummy build/bench/sound/sound_cue_bench
// Time: from the call of PlayCue to the audio callback copying the cue's first sample, with
//   the device closed by idleness before (FromIdle, a click or the loop) or while the loop plays
//   (AfterLoop: that is also how long the loop plays on once the next cue is played).
// audio_wakes_per_s: context switches of SDL's audio threads over two seconds while the loop
//   plays; idle_wakes_per_s: those of every thread but the benchmark's own, two seconds after
//   a click, over five seconds.

#include "base/sound_switch.h"
#include "sound/cue_player.h"

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Voluntary plus involuntary context switches of this process's threads whose name starts
// with prefix (every thread but the calling one when prefix is empty); -1 when none is found.
long ContextSwitches(const std::string& prefix)
{
    long total = -1;
    DIR* tasks = opendir("/proc/self/task");
    if (tasks == nullptr)
        return -1;
    const std::string self = std::to_string(gettid());
    while (const dirent* entry = readdir(tasks)) {
        const std::string task = entry->d_name;
        if (task == "." || task == ".." || task == self)
            continue;
        std::ifstream comm("/proc/self/task/" + task + "/comm");
        std::string name;
        std::getline(comm, name);
        if (name.rfind(prefix, 0) != 0)
            continue;
        std::ifstream status("/proc/self/task/" + task + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.find("ctxt_switches:") != std::string::npos)
                total = std::max(total, 0L) + std::stol(line.substr(line.find(':') + 1));
    }
    closedir(tasks);
    return total;
}

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

bool Played()
{
    g_bSound = true;
    PlayCue(244);
    return g_bSound;
}

// Arg: the cue, 244 (a click) or 245 (the loop, which a click then ends).
void BM_FirstSampleFromIdle(benchmark::State& state)
{
    if (!Played()) {
        state.SkipWithError("no audio device");
        return;
    }
    const int cue = static_cast<int>(state.range(0));
    long stillOpen = 0;
    double worst = 0;
    for (auto _ : state) {
        const auto deadline = Clock::now() + 3s;
        while (ContextSwitches("SDLAudio") >= 0 && Clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
        stillOpen += ContextSwitches("SDLAudio") >= 0;
        const auto call = Clock::now();
        PlayCue(cue);
        while (LatestCueTimes().first == Clock::time_point{} && Clock::now() < call + 1s)
            std::this_thread::sleep_for(1ms);
        worst = std::max(worst, Ms(LatestCueTimes().first - call));
        state.SetIterationTime(Ms(LatestCueTimes().first - call) / 1000.0);
        if (cue == 245)
            PlayCue(244);
    }
    state.counters["device_still_open"] = static_cast<double>(stillOpen);
    state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_FirstSampleFromIdle)->Arg(244)->Arg(245)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FirstSampleAfterLoop(benchmark::State& state)
{
    if (!Played()) {
        state.SkipWithError("no audio device");
        return;
    }
    double worst = 0;
    for (auto _ : state) {
        PlayCue(245);
        std::this_thread::sleep_for(300ms);
        const auto call = Clock::now();
        PlayCue(244);
        worst = std::max(worst, Ms(LatestCueTimes().first - call));
        state.SetIterationTime(Ms(LatestCueTimes().first - call) / 1000.0);
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_FirstSampleAfterLoop)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_WakesWhileLooping(benchmark::State& state)
{
    if (!Played()) {
        state.SkipWithError("no audio device");
        return;
    }
    for (auto _ : state) {
        PlayCue(245);
        std::this_thread::sleep_for(500ms);
        const long before = ContextSwitches("SDLAudio");
        std::this_thread::sleep_for(2s);
        state.counters["audio_wakes_per_s"] = static_cast<double>(ContextSwitches("SDLAudio") - before) / 2.0;
        PlayCue(244);
    }
}
BENCHMARK(BM_WakesWhileLooping)->Iterations(1)->Unit(benchmark::kSecond);

void BM_WakesWhenIdle(benchmark::State& state)
{
    if (!Played()) {
        state.SkipWithError("no audio device");
        return;
    }
    for (auto _ : state) {
        PlayCue(244);
        std::this_thread::sleep_for(2s);
        const long before = ContextSwitches("");
        std::this_thread::sleep_for(5s);
        state.counters["idle_wakes_per_s"] = static_cast<double>(ContextSwitches("") - std::max(before, 0L)) / 5.0;
    }
}
BENCHMARK(BM_WakesWhenIdle)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
