// The fixed-size windows under real window managers: the game asks for no maximise (its
// Motif hints leave the function and its button out, its size hints fix the size), keeps
// minimise and close where it has them, and the manager offers no maximise action.
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "board_view.h"
#include "dialog_pixels.h"
#include "game_session.h"
#include "poll.h"
#include "window_manager.h"

namespace {

using namespace board_view;

// _MOTIF_WM_HINTS: flags, functions, decorations, ...
constexpr unsigned kMwmHasFunctions = 1 << 0;
constexpr unsigned kMwmFunctionMinimise = 1 << 3;
constexpr unsigned kMwmFunctionMaximise = 1 << 4;
constexpr unsigned kMwmFunctionClose = 1 << 5;
constexpr unsigned kMwmDecorationMaximise = 1 << 6;

struct FrameCase {
    const char* manager;
    const char* window;
    QSize size;
    bool minimise;  // the window has a minimise function
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.manager << " " << c.window; }

const QSize kMainSize(kClientWidth, kClientHeight);
const QSize kHelpSize(405, 293);

std::vector<unsigned> Numbers(const QString& list)
{
    std::vector<unsigned> numbers;
    for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        numbers.push_back(item.trimmed().toUInt(nullptr, 0));
    return numbers;
}

// "program specified minimum size: 405 by 293" as a size; an empty size when not there.
QSize SizeHint(const QString& hints, const char* which)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("%1 size: (\\d+) by (\\d+)").arg(QLatin1String(which))).match(hints);
    return match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
}

class WindowFrameTest : public testing::TestWithParam<FrameCase> {
protected:
    CWindowManager manager{QString::fromLatin1(GetParam().manager)};
    GameSession game;
};

TEST_P(WindowFrameTest, AsksForNoMaximiseAndIsOfferedNone)
{
    const FrameCase& c = GetParam();
    ASSERT_TRUE(manager.Start()) << c.manager << " did not take the display";
    ASSERT_TRUE(game.Start());
    if (c.size == kHelpSize)
        game.Click(Centre({PxX(1), PxY(1)}));
    ASSERT_FALSE(game.WaitForWindow(c.size, 10s).isEmpty()) << "the window did not show";
    const QString window = game.WindowIdOfSize(c.size);

    // The manager states what it offers once it manages the window.
    QString actions;
    ASSERT_TRUE(support::PollUntil([&] { return !(actions = XProperty(window, "_NET_WM_ALLOWED_ACTIONS")).isEmpty(); }));
    for (const char* action : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"})
        EXPECT_FALSE(actions.contains(QLatin1String(action))) << action << " in " << actions.toStdString();
    EXPECT_TRUE(actions.contains(QLatin1String("_NET_WM_ACTION_CLOSE"))) << actions.toStdString();
    if (c.minimise) {
        EXPECT_TRUE(actions.contains(QLatin1String("_NET_WM_ACTION_MINIMIZE"))) << actions.toStdString();
    }

    const QString motifText = XProperty(window, "_MOTIF_WM_HINTS");
    const std::vector<unsigned> motif = Numbers(motifText);
    ASSERT_GE(motif.size(), 3u) << motifText.toStdString();
    EXPECT_TRUE(motif[0] & kMwmHasFunctions) << motifText.toStdString();
    EXPECT_FALSE(motif[1] & kMwmFunctionMaximise) << motifText.toStdString();
    EXPECT_FALSE(motif[2] & kMwmDecorationMaximise) << motifText.toStdString();
    EXPECT_TRUE(motif[1] & kMwmFunctionClose) << motifText.toStdString();
    EXPECT_EQ((motif[1] & kMwmFunctionMinimise) != 0, c.minimise) << motifText.toStdString();

    const QString hints = XProperty(window, "WM_NORMAL_HINTS");
    EXPECT_EQ(SizeHint(hints, "minimum"), c.size) << hints.toStdString();
    EXPECT_EQ(SizeHint(hints, "maximum"), c.size) << hints.toStdString();
}

std::vector<FrameCase> Frames()
{
    std::vector<FrameCase> cases;
    for (const char* manager : {"xfwm4", "openbox"}) {
        cases.push_back({manager, "Main", kMainSize, true});
        cases.push_back({manager, "Help", kHelpSize, false});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Managers, WindowFrameTest, testing::ValuesIn(Frames()),
                         [](const testing::TestParamInfo<FrameCase>& info) {
                             return std::string(info.param.manager) + info.param.window;
                         });

}  // namespace
