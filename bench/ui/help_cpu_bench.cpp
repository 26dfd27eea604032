// CPU the game uses over 10 seconds, idle and with Help open and scrolling, in percent of one
// core, read from /proc/PID/stat of the real game on the X display the benchmark runs under:
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/ui/bench_ui_help_cpu
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kSeconds = 10;

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
    // The fields after the command name, which ends at the last ')'; utime and stime are the
    // 14th and 15th fields of the line, the 12th and 13th after the name.
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

// Opens Help in the game's window; false when the help window did not show.
bool OpenHelp(qint64 pid, const QString& window)
{
    const QString geometry = Xdotool({"getwindowgeometry", "--shell", window});
    const auto value = [&geometry](const char* name) {
        return QRegularExpression(QStringLiteral("(?m)^%1=(-?\\d+)").arg(QLatin1String(name))).match(geometry).captured(1).toInt();
    };
    Xdotool({"mousemove", "--sync", QString::number(value("X") + 14), QString::number(value("Y") + 14), "click", "1"});
    for (int i = 0; i < 50; ++i) {
        const QString found = Xdotool({"search", "--onlyvisible", "--pid", QString::number(pid), "--name", "^Glimmerjig$"});
        if (found.split('\n', Qt::SkipEmptyParts).size() == 2)
            return true;
        QThread::msleep(100);
    }
    return false;
}

void GameCpu(benchmark::State& state)
{
    const bool help = state.range(0) == 1;
    for (auto _ : state) {
        QProcess game;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(GLIMMERJIG_EXECUTABLE), {});
        const QString window = game.waitForStarted(5000)
            ? Xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(game.processId()), "--name", "^Glimmerjig$"}).section('\n', 0, 0)
            : QString();
        if (window.isEmpty() || (help && !OpenHelp(game.processId(), window))) {
            state.SkipWithError("the game or its help window did not show");
            return;
        }
        QThread::sleep(1);  // past the opening paints
        const long before = CpuTicks(game.processId());
        QThread::sleep(kSeconds);
        const long after = CpuTicks(game.processId());
        game.kill();
        game.waitForFinished(5000);
        if (before < 0 || after < 0) {
            state.SkipWithError("/proc/PID/stat could not be read");
            return;
        }
        state.SetIterationTime(kSeconds);
        state.counters["cpu_percent_of_core"] =
            100.0 * static_cast<double>(after - before) / static_cast<double>(sysconf(_SC_CLK_TCK)) / kSeconds;
    }
}
BENCHMARK(GameCpu)->ArgName("help")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

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
    return 0;
}
