// Start-up of the game window against a bare Qt dialog of the same size, and against that
// dialog with one line of text (the floor for any window that shows text), each in a fresh
// process on the X display the benchmark runs under, from the launch of the process to the
// window's first paint, and resident memory at that moment:
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/ui/bench_ui_startup
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "startup_child.h"

namespace {

struct Totals {
    double launchMs = 0, mainMs = 0, residentKb = 0;
    int runs = 0;
};

Totals g_totals[3];  // by StartUpWindow
const char* const kChildNames[] = {"--child=bare", "--child=text", "--child=game"};
const char* g_self = nullptr;

void StartUp(benchmark::State& state)
{
    Totals& totals = g_totals[state.range(0)];
    for (auto _ : state) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        child.setProcessEnvironment(environment);
        const auto launch = std::chrono::steady_clock::now().time_since_epoch();
        child.start(QString::fromLocal8Bit(g_self),
                    {QString::fromLatin1(kChildNames[state.range(0)]),
                     QString::number(std::chrono::duration_cast<std::chrono::nanoseconds>(launch).count())});
        double launchMs = 0, mainMs = 0;
        long residentKb = 0;
        if (!child.waitForFinished(30000) || child.exitCode() != 0 ||
            std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf %ld", &launchMs, &mainMs, &residentKb) != 3) {
            state.SkipWithError("the start-up child failed");
            return;
        }
        state.SetIterationTime(launchMs / 1000.0);
        totals.launchMs += launchMs;
        totals.mainMs += mainMs;
        totals.residentKb += static_cast<double>(residentKb);
        ++totals.runs;
    }
    state.counters["main_to_paint_ms"] = totals.mainMs / totals.runs;
    state.counters["resident_MB"] = totals.residentKb / totals.runs / 1024.0;
}
BENCHMARK(StartUp)->ArgName("bare0_text1_game2")->Arg(0)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

void PrintRatios()
{
    const Totals& game = g_totals[2];
    for (int floor : {0, 1}) {
        const Totals& bare = g_totals[floor];
        if (bare.runs == 0 || game.runs == 0)
            continue;
        std::printf("game / %s: launch to first paint %.2f, main to first paint %.2f, resident memory %.2f\n",
                    floor == 0 ? "bare dialog" : "dialog with a line of text",
                    (game.launchMs / game.runs) / (bare.launchMs / bare.runs),
                    (game.mainMs / game.runs) / (bare.mainMs / bare.runs),
                    (game.residentKb / game.runs) / (bare.residentKb / bare.runs));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strncmp(argv[1], "--child=", 8) == 0) {
        const std::chrono::steady_clock::time_point launch{std::chrono::nanoseconds(std::atoll(argv[2]))};
        for (int window : {0, 1, 2})
            if (std::strcmp(argv[1], kChildNames[window]) == 0)
                return RunStartUpChild(argc, argv, static_cast<StartUpWindow>(window), launch);
        return 2;
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "Needs a display: run it under xvfb-run.\n");
        return 1;
    }
    g_self = argv[0];
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatios();
    return 0;
}
