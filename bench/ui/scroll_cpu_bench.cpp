// CPU and wake-ups over 10 seconds of the real game, idle, with Help open and with the About
// box open, beside the floor: a bare Qt widget scrolling the help page's area at 60 frames a
// second (bench_ui_scroll_floor), all in one run on the X display the benchmark runs under:
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/ui/bench_ui_scroll_cpu
// CPU is user plus system time of all the process's threads in percent of one core; wake-ups
// are the voluntary context switches of all its threads: each is a sleep that ended.
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

// User plus system time of the process so far, in clock ticks; -1 when it cannot be read.
long CpuTicks(qint64 pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // utime and stime are the 12th and 13th fields after the command name, which ends at the
    // last ')'.
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream rest(text.substr(close + 2));
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

// Voluntary context switches of all the process's threads so far.
long Wakes(qint64 pid)
{
    long total = 0;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream status((tasks + "/" + task + "/status").toStdString());
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                total += std::atol(line.substr(line.find(':') + 1).c_str());
    }
    return total;
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
        const long cpuBefore = CpuTicks(process.processId());
        const long wakesBefore = Wakes(process.processId());
        QThread::sleep(kSeconds);
        const long cpuAfter = CpuTicks(process.processId());
        const long wakesAfter = Wakes(process.processId());
        process.kill();
        process.waitForFinished(5000);
        if (cpuBefore < 0 || cpuAfter < 0) {
            state.SkipWithError("/proc/PID/stat could not be read");
            return;
        }
        state.SetIterationTime(kSeconds);
        g_cpu[which] = 100.0 * static_cast<double>(cpuAfter - cpuBefore) / static_cast<double>(sysconf(_SC_CLK_TCK)) / kSeconds;
        g_wakes[which] = static_cast<double>(wakesAfter - wakesBefore) / kSeconds;
        state.counters["cpu_percent_of_core"] = g_cpu[which];
        state.counters["wakeups_per_s"] = g_wakes[which];
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
