// CPU and wake-ups over 10 seconds of the real game: idle, idle after a move that played
// cues, with Help open and with the About box open, beside two floors: a bare Qt widget
// scrolling the help page's area with scroll() (bench_ui_scroll_floor) and the fair one for a
// tiled page, a bare widget that composes moving text over a fixed tile and repaints only the
// rows whose ink moved (bench_ui_scroll_floor --tiled). All in one run on the X display the
// benchmark runs under:
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/ui/bench_ui_scroll_cpu
// At a desktop scale: QT_SCALE_FACTOR reaches the game and the floors alike, so each floor is
// measured at the scale the game is, and the benchmark clicks at the scaled places. Help and
// idle beside the floors at 150 %, say (the cases' numbers are in the argument's name):
//   export QT_SCALE_FACTOR=1.5
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/ui/bench_ui_scroll_cpu --benchmark_filter='cues5:[0134]/'
// CPU is time on a processor (/proc/PID/task/TID/schedstat, in nanoseconds, where the
// stat file counts whole clock ticks) in percent of one core; wake-ups are voluntary context
// switches: each is a sleep that ended. Both count every thread of the process, SDL's sound
// thread included; the no_sound figures leave that thread out and are printed for comparison
// only. Each case also prints its threads one by one. GLIMMERJIG_BENCH_GAME names another
// build of the game to measure instead of this one's.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace {

constexpr int kSeconds = 10;
enum Case { kIdle, kHelp, kAbout, kFloor, kTiledFloor, kIdleAfterCues };
const char* const kCaseNames[] = {"idle", "Help", "About", "scroll() floor", "tiled floor", "idle after cues"};

struct Usage {
    long long cpuNs = 0;  // time on a processor, from the scheduler's own clock
    long wakes = 0;       // voluntary context switches
};

// A thread's usage, by its id, with its name.
struct ThreadUsage {
    std::string name;
    Usage usage;
};
using Threads = std::map<std::string, ThreadUsage>;

struct Result {
    double cpu = 0, wakes = 0;  // every thread
    std::string threads;        // one line per thread
};
std::map<int, Result> g_results;

QString Xdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(15000);
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

Threads ThreadsOf(qint64 pid)
{
    Threads threads;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const std::string path = (tasks + "/" + task + "/").toStdString();
        std::ifstream schedFile(path + "schedstat"), statusFile(path + "status"), commFile(path + "comm");
        ThreadUsage thread;
        std::getline(commFile, thread.name);
        if (!(schedFile >> thread.usage.cpuNs))
            continue;  // the thread has ended
        for (std::string line; std::getline(statusFile, line);)
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                thread.usage.wakes = std::atol(line.substr(line.find(':') + 1).c_str());
        threads[task.toStdString()] = thread;
    }
    return threads;
}

double Percent(long long ns)
{
    return 100.0 * static_cast<double>(ns) / 1e9 / kSeconds;
}

// The scale the game and the floors run at: QT_SCALE_FACTOR, which they take from the
// environment as every Qt program does.
double Scale()
{
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    return scale > 0 ? scale : 1.0;
}

// A place in the game's window, given in design pixels, in the X pixels xdotool takes.
QString At(int designPixels)
{
    return QString::number(static_cast<int>(designPixels * Scale()));
}

bool IsSoundThread(const std::string& name)
{
    return name.rfind("SDLAudio", 0) == 0;
}

// Waits for the process to show `count` windows named name; their ids, the first first.
QStringList WaitForWindows(qint64 pid, const QString& name, int count)
{
    for (int i = 0; i < 100; ++i) {
        const QStringList found = Xdotool({"search", "--onlyvisible", "--pid", QString::number(pid), "--name", name})
                                      .split('\n', Qt::SkipEmptyParts);
        if (found.size() >= count)
            return found;
        QThread::msleep(100);
    }
    return {};
}

// Opens Help (its button stands at the top left) or the About box (the window menu's last
// item, from a right click on a smiley) in the game's window, or takes a smiley and lets
// the computer answer and the sound device fall idle.
bool Prepare(qint64 pid, const QString& window, Case which)
{
    switch (which) {
    case kHelp:
        Xdotool({"mousemove", "--window", window, At(14), At(14), "click", "1"});
        return WaitForWindows(pid, "^Glimmerjig$", 2).size() == 2;
    case kAbout:
        Xdotool({"mousemove", "--window", window, At(200), At(200), "click", "3"});
        QThread::msleep(500);
        Xdotool({"key", "Up", "Return"});
        return !WaitForWindows(pid, "G  l  i  m  m  e  r  j  i  g", 1).isEmpty();
    case kIdleAfterCues:
        Xdotool({"mousemove", "--window", window, At(200), At(200), "click", "1"});
        QThread::sleep(5);
        return true;
    default:
        return true;
    }
}

void ScrollCpu(benchmark::State& state)
{
    const auto which = static_cast<Case>(state.range(0));
    const bool floor = which == kFloor || which == kTiledFloor;
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        process.setProcessEnvironment(environment);
        const char* game = std::getenv("GLIMMERJIG_BENCH_GAME");
        process.start(QString::fromUtf8(floor ? FLOOR_EXECUTABLE : game != nullptr ? game : GLIMMERJIG_EXECUTABLE),
                      which == kTiledFloor ? QStringList{QStringLiteral("--tiled")} : QStringList{});
        const QString name = floor ? QStringLiteral("^scroll floor$") : QStringLiteral("^Glimmerjig$");
        const QStringList windows = process.waitForStarted(5000) ? WaitForWindows(process.processId(), name, 1) : QStringList();
        if (windows.isEmpty() || !Prepare(process.processId(), windows.front(), which)) {
            state.SkipWithError("the window or its box did not show");
            return;
        }
        QThread::sleep(1);  // past the opening paints
        const Threads before = ThreadsOf(process.processId());
        QThread::sleep(kSeconds);
        const Threads after = ThreadsOf(process.processId());
        process.kill();
        process.waitForFinished(5000);
        if (before.empty() || after.empty()) {
            state.SkipWithError("/proc/PID/task could not be read");
            return;
        }
        state.SetIterationTime(kSeconds);
        Usage all, noSound;
        Result& result = g_results[which];
        result.threads.clear();
        for (const auto& [tid, thread] : after) {
            // A thread that started meanwhile counts from zero.
            const auto earlier = before.find(tid);
            const Usage base = earlier != before.end() ? earlier->second.usage : Usage{};
            const Usage used{thread.usage.cpuNs - base.cpuNs, thread.usage.wakes - base.wakes};
            all.cpuNs += used.cpuNs;
            all.wakes += used.wakes;
            if (!IsSoundThread(thread.name)) {
                noSound.cpuNs += used.cpuNs;
                noSound.wakes += used.wakes;
            }
            char line[160];
            std::snprintf(line, sizeof line, "  %-16s %-16s %6.2f %% %8.1f wake-ups/s\n", kCaseNames[which],
                          thread.name.c_str(), Percent(used.cpuNs), static_cast<double>(used.wakes) / kSeconds);
            result.threads += line;
        }
        result.cpu = Percent(all.cpuNs);
        result.wakes = static_cast<double>(all.wakes) / kSeconds;
        state.counters["cpu_percent_of_core"] = result.cpu;
        state.counters["wakeups_per_s"] = result.wakes;
        state.counters["no_sound_cpu_percent"] = Percent(noSound.cpuNs);
        state.counters["no_sound_wakeups_per_s"] = static_cast<double>(noSound.wakes) / kSeconds;
    }
}
BENCHMARK(ScrollCpu)
    ->ArgName("idle0_help1_about2_floor3_tiledfloor4_idleaftercues5")
    ->Arg(kFloor)->Arg(kTiledFloor)->Arg(kHelp)->Arg(kAbout)->Arg(kIdle)->Arg(kIdleAfterCues)
    ->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

void PrintResults()
{
    std::printf("Scale %.2f (QT_SCALE_FACTOR)\n", Scale());
    std::printf("Every thread, per thread:\n");
    for (const auto& [which, result] : g_results)
        std::printf("%s", result.threads.c_str());
    const auto ratio = [](Case which, Case floor) {
        if (!g_results.count(which) || !g_results.count(floor) || g_results[floor].cpu <= 0)
            return;
        const Result& a = g_results[which];
        const Result& b = g_results[floor];
        std::printf("%s / %s: CPU %.2f (%.2f %% against %.2f %%), wake-ups %.2f (%.0f/s against %.0f/s)\n",
                    kCaseNames[which], kCaseNames[floor], a.cpu / b.cpu, a.cpu, b.cpu, a.wakes / b.wakes, a.wakes,
                    b.wakes);
    };
    ratio(kHelp, kFloor);
    ratio(kHelp, kTiledFloor);
    ratio(kTiledFloor, kFloor);
    ratio(kAbout, kFloor);
    for (Case idle : {kIdle, kIdleAfterCues})
        if (g_results.count(idle))
            std::printf("%s: CPU %.2f %%, %.1f wake-ups/s\n", kCaseNames[idle], g_results[idle].cpu,
                        g_results[idle].wakes);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "Needs an X display: run it under xvfb-run.\n");
        return 1;
    }
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintResults();
    return 0;
}
