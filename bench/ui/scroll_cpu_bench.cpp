// CPU and wake-ups over 10 seconds of the real game, idle, with Help open and with the About
// box open, beside the floor: a bare Qt widget scrolling the help page's area at 60 frames a
// second (bench_ui_scroll_floor), all in one run on the X display the benchmark runs under:
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/ui/bench_ui_scroll_cpu
// CPU is user plus system time in percent of one core; wake-ups are voluntary context
// switches: each is a sleep that ended. Both count every thread but SDL's sound thread, which
// plays the Help window's looping cue; the with_sound figures count that thread too.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kSeconds = 10;
enum Case { kIdle, kHelp, kAbout, kFloor };
std::map<int, double> g_cpu, g_wakes;

QString Xdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(15000);
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

struct Usage {
    long cpuTicks = 0;  // user plus system time
    long wakes = 0;     // voluntary context switches
};

// utime and stime of a /proc stat line: the 12th and 13th fields after the command name,
// which ends at the last ')'.
long CpuTicksOf(const std::string& stat)
{
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream rest(stat.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 1; i <= 13 && rest >> field; ++i) {
        if (i == 12)
            utime = std::atol(field.c_str());
        if (i == 13)
            stime = std::atol(field.c_str());
    }
    return rest ? utime + stime : -1;
}

// The usage so far of the process's threads: all of them, and all but SDL's sound thread,
// which wakes for every 5 ms of sound while a cue plays.
std::pair<Usage, Usage> UsageOf(qint64 pid)
{
    Usage all, gui;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const std::string path = (tasks + "/" + task + "/").toStdString();
        std::ifstream statFile(path + "stat"), statusFile(path + "status"), commFile(path + "comm");
        const std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
        std::string comm, line;
        std::getline(commFile, comm);
        Usage thread{CpuTicksOf(stat), 0};
        while (std::getline(statusFile, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                thread.wakes = std::atol(line.substr(line.find(':') + 1).c_str());
        if (thread.cpuTicks < 0)
            continue;  // the thread has ended
        all.cpuTicks += thread.cpuTicks;
        all.wakes += thread.wakes;
        if (comm.rfind("SDLAudio", 0) != 0) {
            gui.cpuTicks += thread.cpuTicks;
            gui.wakes += thread.wakes;
        }
    }
    return {all, gui};
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
// item, from a right click on a smiley) in the game's window.
bool OpenBox(qint64 pid, const QString& window, Case which)
{
    if (which == kHelp) {
        Xdotool({"mousemove", "--window", window, "14", "14", "click", "1"});
        return WaitForWindows(pid, "^Glimmerjig$", 2).size() == 2;
    }
    Xdotool({"mousemove", "--window", window, "200", "200", "click", "3"});
    QThread::msleep(500);
    Xdotool({"key", "Up", "Return"});
    return !WaitForWindows(pid, "G  l  i  m  m  e  r  j  i  g", 1).isEmpty();
}

void ScrollCpu(benchmark::State& state)
{
    const auto which = static_cast<Case>(state.range(0));
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        process.setProcessEnvironment(environment);
        process.start(QString::fromUtf8(which == kFloor ? FLOOR_EXECUTABLE : GLIMMERJIG_EXECUTABLE), {});
        const QString name = which == kFloor ? QStringLiteral("^scroll floor$") : QStringLiteral("^Glimmerjig$");
        const QStringList windows = process.waitForStarted(5000) ? WaitForWindows(process.processId(), name, 1) : QStringList();
        if (windows.isEmpty() || ((which == kHelp || which == kAbout) && !OpenBox(process.processId(), windows.front(), which))) {
            state.SkipWithError("the window or its box did not show");
            return;
        }
        QThread::sleep(1);  // past the opening paints
        const auto [allBefore, guiBefore] = UsageOf(process.processId());
        QThread::sleep(kSeconds);
        const auto [allAfter, guiAfter] = UsageOf(process.processId());
        process.kill();
        process.waitForFinished(5000);
        if (allBefore.cpuTicks == 0 || allAfter.cpuTicks == 0) {
            state.SkipWithError("/proc/PID/task could not be read");
            return;
        }
        state.SetIterationTime(kSeconds);
        const auto percent = [](long ticks) {
            return 100.0 * static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK)) / kSeconds;
        };
        g_cpu[which] = percent(guiAfter.cpuTicks - guiBefore.cpuTicks);
        g_wakes[which] = static_cast<double>(guiAfter.wakes - guiBefore.wakes) / kSeconds;
        state.counters["cpu_percent_of_core"] = g_cpu[which];
        state.counters["wakeups_per_s"] = g_wakes[which];
        state.counters["with_sound_cpu_percent"] = percent(allAfter.cpuTicks - allBefore.cpuTicks);
        state.counters["with_sound_wakeups_per_s"] = static_cast<double>(allAfter.wakes - allBefore.wakes) / kSeconds;
    }
}
BENCHMARK(ScrollCpu)->ArgName("idle0_help1_about2_floor3")->Arg(kFloor)->Arg(kHelp)->Arg(kAbout)->Arg(kIdle)
    ->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

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
    if (g_cpu.count(kFloor) && g_cpu[kFloor] > 0) {
        for (const auto& [which, name] : {std::pair{kHelp, "Help"}, std::pair{kAbout, "About"}})
            if (g_cpu.count(which))
                std::printf("%s open: %.2f times the floor's CPU, %.2f times its wake-ups\n", name,
                            g_cpu[which] / g_cpu[kFloor], g_wakes[which] / g_wakes[kFloor]);
    }
    return 0;
}
