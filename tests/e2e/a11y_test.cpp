// The real game as a screen reader meets it: its accessible tree, read over AT-SPI by a
// Python client, against what the screen shows; and the board played from the keyboard.
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>

#include "a11y_bus.h"
#include "board_view.h"
#include "game_session.h"
#include "poll.h"

namespace {

using namespace board_view;
using Tree = std::vector<Accessible>;

// The window's controls: everything below the application and its window.
bool IsControl(const Accessible& node) { return node.depth >= 2; }

const Accessible* Focused(const Tree& tree)
{
    for (const Accessible& node : tree) {
        if (IsControl(node) && node.Has("focused"))
            return &node;
    }
    return nullptr;
}

std::string FocusedName(const Tree& tree)
{
    const Accessible* focused = Focused(tree);
    return focused ? focused->name : std::string();
}

bool IsSmileyName(const std::string& name) { return name.rfind("smiley, column ", 0) == 0; }

// The cells' accessibles by cell code, found by where they are on the screen.
struct CellAccessibles {
    std::map<int, const Accessible*> smileys, mirrors;
};

CellAccessibles FindCells(const Tree& tree, QPoint origin)
{
    CellAccessibles cells;
    for (const Accessible& node : tree) {
        if (!IsControl(node))
            continue;
        const QPoint client = node.extents.topLeft() - origin;
        for (int c = 1; c <= 9; ++c) {
            for (int h = 1; h <= c; ++h) {
                if (client == SmileyCell(c, h))
                    cells.smileys[10 * c + h] = &node;
                if (client == MirrorCell(c, h))
                    cells.mirrors[10 * c + h] = &node;
            }
        }
    }
    return cells;
}

// Every cell says what the screenshot shows there, and is enabled just when it can be
// clicked: a standing smiley, a mirror showing a taken one.
void ExpectCellsSayWhatTheyShow(const Tree& tree, QPoint origin, const QImage& window)
{
    const QImage yellow = Picture("MYIMAGEU"), focusedYellow = Picture("MYIMAGEF"), grey = Picture("MYIMAGEX");
    const QImage white = Picture("IMAGEX"), cyan = Picture("IMAGEU");
    const CellAccessibles cells = FindCells(tree, origin);
    ASSERT_EQ(cells.smileys.size(), 45u);
    ASSERT_EQ(cells.mirrors.size(), 45u);
    for (int c = 1; c <= 9; ++c) {
        for (int h = 1; h <= c; ++h) {
            const std::string where = ", column " + std::to_string(c) + ", height " + std::to_string(h);
            const Accessible& smiley = *cells.smileys.at(10 * c + h);
            // Reached from the keyboard, the focused smiley also shows the focus mark.
            const bool focused = Shows(window, SmileyCell(c, h), focusedYellow) ||
                                 ShowsWithFocusMark(window, SmileyCell(c, h), focusedYellow);
            const bool standing = focused || Shows(window, SmileyCell(c, h), yellow);
            ASSERT_TRUE(standing || Shows(window, SmileyCell(c, h), grey)) << where;
            EXPECT_EQ(smiley.role, "button");
            EXPECT_EQ(smiley.name, (standing ? "smiley" : "empty") + where);
            EXPECT_EQ(smiley.Has("enabled") && smiley.Has("sensitive"), standing) << smiley.name;
            EXPECT_EQ(smiley.Has("focused"), focused) << smiley.name;

            const Accessible& mirror = *cells.mirrors.at(10 * c + h);
            const bool taken = Shows(window, MirrorCell(c, h), cyan);
            ASSERT_TRUE(taken || Shows(window, MirrorCell(c, h), white)) << where;
            EXPECT_EQ(mirror.role, "button");
            EXPECT_EQ(mirror.name, (taken ? "taken smiley" : "smiley not taken") + where);
            EXPECT_EQ(mirror.Has("enabled") && mirror.Has("sensitive"), taken) << mirror.name;
        }
    }
}

// The window's controls are all showing, lie inside it and have names; a plain frame, which
// only draws a border around named controls, may go without (Qt names its role "frame" up to
// 6.4 and "panel" from 6.8 on).
void ExpectOnlyShowingNamedControls(const Tree& tree, size_t window)
{
    const QRect area = tree[window].extents;
    for (size_t i = window + 1; i < tree.size() && tree[i].depth > tree[window].depth; ++i) {
        const Accessible& node = tree[i];
        const std::string what = node.role + " \"" + node.name + '"';
        const bool frame = (node.role == "frame" || node.role == "panel") && i + 1 < tree.size() &&
                           tree[i + 1].depth > node.depth;
        EXPECT_TRUE(node.name.size() > 0 || frame) << what;
        EXPECT_TRUE(node.Has("showing") && node.Has("visible")) << what;
        EXPECT_TRUE(area.contains(node.extents)) << what;
    }
}

class AccessibilityTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(Picture("MYIMAGEU").isNull());
        ASSERT_TRUE(bus.Start());
        game.AddEnvironment(bus.Variables());
        ASSERT_TRUE(game.Start());
    }

    // Reads the tree until its focused control is the one wanted; the last tree read.
    Tree WaitForFocus(const std::function<bool(const std::string&)>& wanted)
    {
        Tree tree;
        support::PollUntil([&] { return wanted(FocusedName(tree = bus.ReadTree(game.ProcessId()))); }, 30s);
        return tree;
    }
    Tree WaitForFocus(const std::string& name)
    {
        return WaitForFocus([&name](const std::string& focused) { return focused == name; });
    }

    AccessibilityBus bus;  // declared first: the game ends before its buses
    GameSession game;
};

TEST_F(AccessibilityTest, StartTreeShowsOnlyShowingNamedControlsAndCellsSayWhatTheyShow)
{
    const QImage window = game.SettledScreenshot(QStringLiteral("a11y-start"));
    const Tree tree = bus.ReadTree(game.ProcessId());
    ASSERT_GE(tree.size(), 2u);
    EXPECT_EQ(tree[0].role, "application");
    EXPECT_EQ(tree[1].role, "dialog");
    EXPECT_EQ(tree[1].name, "Glimmerjig");
    EXPECT_EQ(tree[1].extents, QRect(game.Origin(), QSize(kClientWidth, kClientHeight)));
    ExpectOnlyShowingNamedControls(tree, 1);
    ExpectCellsSayWhatTheyShow(tree, game.Origin(), window);

    // Having been read, it still ends cleanly: under the sanitizers, a leak fails the exit code.
    game.Key("Escape");
    EXPECT_EQ(game.WaitForExit(10s), 0);
}

TEST_F(AccessibilityTest, TabAndArrowsReachASmileyAndSpaceTakesIt)
{
    game.SettledScreenshot(QStringLiteral("a11y-setup"));
    ASSERT_EQ(FocusedName(WaitForFocus("Help")), "Help");
    const struct {
        const char* key;
        const char* focus;  // the focused control's name afterwards
    } steps[] = {
        {"Tab", "Hint"},
        {"Tab", "level I"},
        {"Tab", "Back"},
        {"Tab", "smiley, column 9, height 9"},  // the board: the top of its leftmost column
        {"Right", "smiley, column 8, height 8"},
        {"Right", "smiley, column 7, height 7"},
        {"Left", "smiley, column 8, height 7"},
        {"Down", "smiley, column 8, height 6"},
    };
    Tree tree;
    for (const auto& step : steps) {
        game.Key(step.key);
        tree = WaitForFocus(step.focus);
        ASSERT_EQ(FocusedName(tree), step.focus) << step.key;
    }
    ExpectCellsSayWhatTheyShow(tree, game.Origin(), game.Screenshot(QStringLiteral("a11y-before")));

    game.Key("space");
    const QImage after = game.SettledScreenshot(QStringLiteral("a11y-after"));
    for (int h = 6; h <= 8; ++h)
        EXPECT_TRUE(Shows(after, SmileyCell(8, h), Picture("MYIMAGEX"))) << h;
    EXPECT_GT(Read(after).cyan, 3);  // the computer replied
    // The focus is back on the board, on a smiley that still stands.
    tree = WaitForFocus(IsSmileyName);
    EXPECT_TRUE(IsSmileyName(FocusedName(tree))) << FocusedName(tree);
    ExpectCellsSayWhatTheyShow(tree, game.Origin(), after);
}

TEST_F(AccessibilityTest, AboutBoxIsNamedInWordsAndShowsOnlyShowingNamedControls)
{
    game.SettledScreenshot(QStringLiteral("a11y-setup"));
    // The window menu, from a click on the window between its panel and the board; its
    // About item by the item's mnemonic.
    game.Click({PxX(51), PxY(100)}, 3);
    game.Key("a");
    // The box, once the screen reader has it and it has become the active window.
    Tree tree;
    Tree::iterator about;
    ASSERT_TRUE(support::PollUntil([&] {
        tree = bus.ReadTree(game.ProcessId());
        about = std::find_if(tree.begin(), tree.end(), [](const Accessible& node) {
            return node.depth == 1 && node.Has("active");
        });
        return about != tree.end() && about->name != "Glimmerjig";
    }, 30s)) << "the screen reader does not see the About box active";
    EXPECT_EQ(about->role, "dialog");
    EXPECT_EQ(about->name, "About Glimmerjig");
    ExpectOnlyShowingNamedControls(tree, static_cast<size_t>(about - tree.begin()));
    const auto mail = std::find_if(about, tree.end(), [](const Accessible& node) { return node.role == "button"; });
    ASSERT_NE(mail, tree.end());
    EXPECT_EQ(mail->name.rfind("mail to: ", 0), 0u) << mail->name;
}

}  // namespace
