// The opener with the real xdg-open: a window that goes on while it runs, and an opener and
// handler that outlive the program that launched them. Handlers wait at the test desktop's
// gate, so that nothing rests on how long a run takes.
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>

#include "base/own_environment.h"
#include "launch/launcher.h"
#include "poll.h"
#include "test_desktop.h"

namespace {

using namespace std::chrono_literals;

// The opener only ends once its handler has passed the gate, and only a timer inside the
// launch's own event loop opens it.
TEST(LauncherTest, WindowGoesOnWhileTheOpenerRuns)
{
    CTestDesktop desktop;
    desktop.RegisterHandler(desktop.WaitAtGate());
    bool opened = false;
    QTimer gatekeeper;
    QObject::connect(&gatekeeper, &QTimer::timeout, [&] {
        opened = opened || desktop.OpenGate();
    });
    gatekeeper.start(10);
    const LaunchOutcome outcome = RunLauncher("https://h.example", 15s);
    EXPECT_TRUE(opened);
    EXPECT_EQ(outcome.end, LaunchOutcome::End::kExited);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(desktop.Recorded().toStdString(), "https://h.example");
}

// A separate program launches and ends, as the game does, while xdg-open is still looking for
// the handler (it takes far longer than the probe's patience of 10 ms): the opener goes on,
// starts the handler, and the handler runs to its end once let through the gate, writing to
// its output on the way as browsers do.
TEST(LauncherTest, OpenerAndHandlerOutliveTheProgramThatLaunched)
{
    CTestDesktop desktop;
    const QString done = desktop.Path("handler-done");
    desktop.RegisterHandler(desktop.WaitAtGate() + "\necho handler output after the probe has ended\ntouch '" + done + "'");
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedChannels);
    probe.start(QStringLiteral(LAUNCH_PROBE), {QStringLiteral("mailto:a@b.example"), QStringLiteral("10")});
    ASSERT_TRUE(probe.waitForFinished(10000));
    // The probe exits 0 when its opener was still running at the end of its patience.
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(done));
    EXPECT_TRUE(support::PollUntil([&] { return desktop.OpenGate(); }, 15s)) << "no handler is waiting";
    EXPECT_TRUE(support::PollUntil([&] { return QFile::exists(done); }, 15s)) << "the handler did not finish";
    EXPECT_EQ(desktop.Recorded().toStdString(), "mailto:a@b.example");
}

// The variables the game sets for its sound library stay out of the handler's environment,
// while one the player had set before the game reaches it as any other variable does. (The
// handler is a shell script, and the shell passes on no name with a dot in it.)
TEST(LauncherTest, HandlerInheritsNoneOfTheGamesOwnVariables)
{
    ::setenv("PULSE_SINK", "the player's", 1);
    SetOwnVariable("PULSE_SINK", "the game's");
    SetOwnVariable("PULSE_PROP_media.role", "game");
    SetOwnVariable("PULSE_LATENCY_MSEC", "60");
    CTestDesktop desktop;
    const QString inherited = desktop.Path("inherited");
    desktop.RegisterHandler("env | grep '^PULSE_' | sort > '" + inherited + ".part'; mv '" + inherited + ".part' '" + inherited + "'");
    const LaunchOutcome outcome = RunLauncher("https://h.example", 15s);
    ASSERT_EQ(outcome.end, LaunchOutcome::End::kExited);
    ASSERT_TRUE(support::PollUntil([&] { return QFile::exists(inherited); }, 15s));
    QFile file(inherited);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "PULSE_SINK=the player's\n");
}

}  // namespace
