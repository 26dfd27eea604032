// The launcher with the real xdg-open: what the registered handler receives, the codes of
// failed launches in their message box, a window that goes on while the opener runs, and a
// handler that outlives the program that launched it.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "base/product.h"
#include "test_desktop.h"
#include "ui/event_loop_wait.h"
#include "ui/launcher.h"

namespace {

using namespace std::chrono_literals;

struct Box {
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = nullptr;
    int buttons = 0;
};

// Watches for message boxes while it lives; reads the first one and presses its OK button.
class CBoxWatch {
public:
    CBoxWatch()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Look(); });
        m_timer.start(10);
    }
    const std::optional<Box>& Seen() const { return m_seen; }

private:
    void Look()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            if (!m_seen)
                m_seen = Box{box->text(), box->windowTitle(), box->icon(), box->parentWidget(),
                             static_cast<int>(box->buttons().size())};
            box->button(QMessageBox::Ok)->click();
        }
    }

    QTimer m_timer;
    std::optional<Box> m_seen;
};

// Waits, keeping events flowing, until the file exists or the time is up.
bool AppearsWithin(const QString& path, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!QFile::exists(path) && std::chrono::steady_clock::now() < deadline)
        WaitInEventLoop(std::chrono::steady_clock::now() + 20ms);
    return QFile::exists(path);
}

TEST(LauncherTest, HandlerReceivesExactlyTheUrlOfEachTarget)
{
    const std::string email = kContactEmail;
    const struct {
        std::string target, url;
    } cases[] = {
        {"mailTo: " + email + "?subject=About Game Glimmerjig",
         "mailto:" + email + "?subject=About%20Game%20Glimmerjig"},
        {kWebHost, std::string("https://") + kWebHost},
    };
    for (const auto& c : cases) {
        CTestDesktop desktop;
        desktop.RegisterHandler();
        CBoxWatch watch;
        LaunchTarget(nullptr, c.target);
        EXPECT_EQ(desktop.Recorded().toStdString(), c.url);
        EXPECT_FALSE(watch.Seen()) << c.target;
    }
}

TEST(LauncherTest, FailedLaunchShowsItsCodeInABoxOwnedByTheWindow)
{
    const struct {
        const char* what;
        std::function<void(CTestDesktop&)> arrange;
        std::string target;
        const char* code;
        const char* recorded = "";  // what the handler received
    } cases[] = {
        {"no handler registered", [](CTestDesktop&) {}, "mailTo: a@b.example", "2+"},
        {"handler fails", [](CTestDesktop& d) { d.RegisterHandler("exit 1"); }, "h.example", "5+",
         "https://h.example"},
        {"file not found", [](CTestDesktop& d) { d.RegisterHandler(); },
         "file:///no/such/glimmerjig/file", "+3"},
        {"xdg-open missing from PATH",
         [](CTestDesktop& d) {
             d.RegisterHandler();
             d.Set("PATH", QFile::encodeName(d.Path("system")));
         },
         "h.example", "2+"},
        {"xdg-open may not be run",
         [](CTestDesktop& d) {
             d.RegisterHandler();
             QFile opener(d.Path("system/xdg-open"));
             ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
             opener.write("#!/bin/sh\n");
             opener.close();
             d.Set("PATH", QFile::encodeName(d.Path("system")));
         },
         "h.example", "+5"},
    };
    QWidget window;
    window.show();
    for (const auto& c : cases) {
        CTestDesktop desktop;
        c.arrange(desktop);
        CBoxWatch watch;
        LaunchTarget(&window, c.target);
        ASSERT_TRUE(watch.Seen()) << c.what;
        EXPECT_EQ(watch.Seen()->text.toStdString(), c.code) << c.what;
        EXPECT_EQ(watch.Seen()->caption.toStdString(), "launch_tests") << c.what;
        EXPECT_EQ(watch.Seen()->icon, QMessageBox::Warning) << c.what;
        EXPECT_EQ(watch.Seen()->buttons, 1) << c.what;
        EXPECT_EQ(watch.Seen()->owner, &window) << c.what;
        EXPECT_EQ(desktop.Recorded().toStdString(), c.recorded) << c.what;
    }
}

TEST(LauncherTest, WindowGoesOnWhileTheOpenerRuns)
{
    CTestDesktop desktop;
    desktop.RegisterHandler("sleep 0.5");
    bool timerFired = false;
    QTimer::singleShot(20, [&] { timerFired = true; });
    const LaunchOutcome outcome = RunLauncher("https://h.example");
    EXPECT_TRUE(timerFired);
    EXPECT_EQ(outcome.end, LaunchOutcome::End::kExited);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(desktop.Recorded().toStdString(), "https://h.example");
}

// A separate program launches and ends, as the game does, while xdg-open is still looking for
// the handler (it takes far longer than the probe's patience of 10 ms): the opener goes on,
// starts the handler, and the handler runs to its end, writing to its output on the way as
// browsers do.
TEST(LauncherTest, OpenerAndHandlerOutliveTheProgramThatLaunched)
{
    CTestDesktop desktop;
    const QString done = desktop.Path("handler-done");
    desktop.RegisterHandler("sleep 2\necho handler output after the probe has ended\ntouch '" + done
                            + "'");
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedChannels);
    probe.start(QStringLiteral(LAUNCH_PROBE), {QStringLiteral("mailto:a@b.example"), QStringLiteral("10")});
    ASSERT_TRUE(probe.waitForFinished(10000));
    // The probe exits 0 when its opener was still running at the end of its patience.
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(done));
    EXPECT_TRUE(AppearsWithin(done, 15s));
    EXPECT_EQ(desktop.Recorded().toStdString(), "mailto:a@b.example");
}

}  // namespace
