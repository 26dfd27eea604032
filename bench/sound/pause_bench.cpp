// How exactly Pause keeps its length, what it costs the processor while it waits, and how
// soon a click reaches the audio callback. Run by hand:
//   SDL_AUDIODRIVER=dummy sound_bench
// Reported per run: wall milliseconds (median and worst over the repetitions) and
// cpu_percent, the process CPU time over the wall time.

#include "base/sound_switch.h"
#include "sound/cue_player.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_Pause(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const double cpuBefore = CpuSeconds();
        const auto before = Clock::now();
        Pause(n);
        const double wall = std::chrono::duration<double>(Clock::now() - before).count();
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100.0 * (CpuSeconds() - cpuBefore) / wall;
        state.counters["error_ms"] = wall * 1000.0 - 1000.0 / n;
    }
}
BENCHMARK(BM_Pause)->Arg(1)->Arg(2)->Arg(4)->Arg(100)->Iterations(1)->Repetitions(20)
    ->DisplayAggregatesOnly(true)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->ComputeStatistics("max", [](const std::vector<double>& v) {
        return *std::max_element(v.begin(), v.end());
    });

// From PlayCue(244) to the callback copying its first sample; the device is open and the cue
// decoded before timing starts.
void BM_ClickLatency(benchmark::State& state)
{
    g_bSound = true;
    PlayCue(244);
    if (!g_bSound) {
        state.SkipWithError("no audio device");
        return;
    }
    for (auto _ : state) {
        PlayCue(244);
        const CueTimes times = LatestCueTimes();
        state.SetIterationTime(std::chrono::duration<double>(times.first - times.start).count());
    }
}
BENCHMARK(BM_ClickLatency)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
