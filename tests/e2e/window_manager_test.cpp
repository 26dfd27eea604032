// Help and About under real window managers, which order the events of a restore each their
// own way: the game minimised and the box restored again and again, each text scrolls again
// every time.
#include <gtest/gtest.h>

#include "board_view.h"
#include "game_session.h"
#include "poll.h"
#include "process_stop.h"
#include "tool_run.h"
#include "window_manager.h"

namespace {

using namespace board_view;

constexpr int kCycles = 4;

struct BoxCase {
    const char* name;
    QSize size;
    QRect text;  // the scrolling text in the box's client area
};
const BoxCase kHelp{"Help", QSize(405, 293), QRect(2, 25, 401, 224)};
const BoxCase kAbout{"About", QSize(209, 267), QRect(16, 16, 176, 206)};

struct SessionCase {
    const char* manager;
    BoxCase box;
    int session;  // each a fresh X display, window manager and game
};

void PrintTo(const SessionCase& c, std::ostream* os) { *os << c.manager << " " << c.box.name << " " << c.session; }

class WindowManagerTest : public testing::TestWithParam<SessionCase> {
protected:
    // Opens the box and returns its window's id; empty when it did not show.
    QString OpenBox()
    {
        if (QLatin1String(GetParam().box.name) == QLatin1String("Help")) {
            game.Click(Centre({PxX(1), PxY(1)}));
        } else {
            // The window menu from a right click on a mirror; its last item is About.
            game.Click(Centre(MirrorCell(5, 2)), 3);
            game.Key("Up");
            game.Key("Return");
        }
        if (game.WaitForWindow(GetParam().box.size, 10s).isEmpty())
            return {};
        return game.WindowIdOfSize(GetParam().box.size);
    }

    // The text's pixels change within the limit: it scrolls.
    bool Scrolls(const QString& box, const QString& shot)
    {
        const QRect text = GetParam().box.text.translated(game.GeometryOf(box).topLeft());
        const QImage first = game.ScreenshotOf(text, shot + QStringLiteral("-a"));
        return support::PollUntil([&] { return game.ScreenshotOf(text, shot + QStringLiteral("-b")) != first; });
    }

    CWindowManager manager{QString::fromLatin1(GetParam().manager)};
    GameSession game;
};

TEST_P(WindowManagerTest, TextScrollsAgainAfterEveryRestore)
{
    ASSERT_TRUE(manager.Start()) << GetParam().manager << " did not take the display";
    ASSERT_TRUE(game.Start());
    const QString box = OpenBox();
    ASSERT_FALSE(box.isEmpty()) << "the box did not open";
    ASSERT_TRUE(Scrolls(box, QStringLiteral("opened"))) << "the text does not scroll when the box opens";
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        SCOPED_TRACE(cycle);
        // As a player does it: the boxes offer no minimise button, the game's window does, and
        // the box goes with it.
        ASSERT_TRUE(MinimiseWindow(game.WindowId())) << "the game's window was not minimised";
        ASSERT_TRUE(support::PollUntil([&] { return !Viewable(box); })) << "the box stayed on the screen";
        ASSERT_TRUE(ActivateWindow(box)) << "the box was not restored";
        EXPECT_TRUE(Scrolls(box, QStringLiteral("restored%1").arg(cycle))) << "the text stands still after a restore";
    }
}

// What every test here leans on: once the manager has started, a window that asks to be shown
// shows at once, though nothing else happens on the display. The window is made before the
// manager starts and asked to show the moment Start returns, start after start on one display.
class WindowManagerStartTest : public testing::TestWithParam<const char*> {};

TEST_P(WindowManagerStartTest, AWindowShownAsTheManagerStartsShows)
{
    constexpr int kStarts = 10;
    support::ToolOptions mayFindNone;  // exit code 1: no such window yet
    mayFindNone.accepted = {0, 1};
    for (int start = 1; start <= kStarts; ++start) {
        SCOPED_TRACE(testing::Message() << "start " << start);
        QProcess message;
        message.start(QStringLiteral("xmessage"), {QStringLiteral("-title"), QStringLiteral("early"), QStringLiteral("early")});
        QString window;
        ASSERT_TRUE(support::PollUntil([&] {
            window = support::RunTool(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", "^early$"}, mayFindNone)
                         .output;
            return !window.isEmpty();
        }));
        ASSERT_TRUE(support::RunTool(QStringLiteral("xdotool"), {"windowunmap", "--sync", window}).ok);
        CWindowManager manager{QString::fromLatin1(GetParam())};
        ASSERT_TRUE(manager.Start());
        ASSERT_TRUE(support::RunTool(QStringLiteral("xdotool"), {"windowmap", window}).ok);
        EXPECT_TRUE(support::PollUntil([&] { return Viewable(window); })) << "the window stays unmapped";
        support::StopProcess(message);
    }
}

INSTANTIATE_TEST_SUITE_P(Managers, WindowManagerStartTest, testing::Values("xfwm4", "openbox"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

std::vector<SessionCase> Sessions()
{
    std::vector<SessionCase> cases;
    for (const char* manager : {"xfwm4", "openbox"})
        for (const BoxCase& box : {kHelp, kAbout})
            for (int session = 1; session <= 3; ++session)
                cases.push_back({manager, box, session});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Managers, WindowManagerTest, testing::ValuesIn(Sessions()),
                         [](const testing::TestParamInfo<SessionCase>& info) {
                             return std::string(info.param.manager) + info.param.box.name +
                                    std::to_string(info.param.session);
                         });

}  // namespace
