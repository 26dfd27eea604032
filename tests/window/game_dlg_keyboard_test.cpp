// Playing the board from the keyboard, and what a screen reader hears of the cells.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "game/board.h"
#include "game_dlg_fixture.h"

namespace {

class GameDlgKeyboardTest : public GameDlgTest {
protected:
    QWidget* Focus() { return QApplication::focusWidget(); }
    void Press(Qt::Key key) { QTest::keyClick(Focus(), key); }
};

TEST_F(GameDlgKeyboardTest, TabOrderGoesThroughTheBoardOnce)
{
    ASSERT_EQ(Focus(), Find(control_name::kHelp));
    std::vector<QWidget*> order;
    for (int i = 0; i < 6; ++i) {
        order.push_back(Focus());
        Press(Qt::Key_Tab);
    }
    // Help, Hint, level I, Back, the board's top-left smiley, and round again.
    const std::vector<QWidget*> expected = {Find(control_name::kHelp), Find(control_name::kHint),
                                            Find(control_name::Level(1)), Find(control_name::kBack),
                                            dialog.SmileyCell(9, 9), Find(control_name::kHelp)};
    EXPECT_EQ(order, expected);
}

TEST_F(GameDlgKeyboardTest, ArrowsMoveAmongStandingSmileysAndSpaceTakesOne)
{
    SetUpBoard(9);
    dialog.SmileyCell(9, 9)->setFocus(Qt::TabFocusReason);
    const struct {
        Qt::Key key;
        int column, height;  // where the focus is afterwards
    } steps[] = {
        {Qt::Key_Up, 9, 9},     // nothing above the top
        {Qt::Key_Down, 9, 8},
        {Qt::Key_Right, 8, 8},  // column 8 is to the right of 9 on the screen
        {Qt::Key_Right, 7, 7},  // lower column: its top
        {Qt::Key_Left, 8, 7},
        {Qt::Key_Left, 9, 7},
        {Qt::Key_Left, 9, 7},   // nothing further left
    };
    for (const auto& step : steps) {
        Press(step.key);
        EXPECT_EQ(Focus(), dialog.SmileyCell(step.column, step.height)) << step.key;
    }
    Press(Qt::Key_Space);
    EXPECT_EQ(g_board[97], 0);
    EXPECT_EQ(g_board[96], 1);
    // After the computer's reply the focus is on the board again, at the top-left smiley.
    int column = 9;
    while (column > 1 && g_board[10 * column + 1] == 0)
        --column;
    int top = column;
    while (g_board[10 * column + top] == 0)
        --top;
    EXPECT_EQ(Focus(), dialog.SmileyCell(column, top));
}

// Left and Right pass over the columns and cells taken so far, to the nearest standing
// smiley at the same height or the top of a lower column.
TEST_F(GameDlgKeyboardTest, LeftAndRightSkipTakenCells)
{
    SetUpBoard(9);
    // Column 8 taken whole, column 7 from height 2 up, column 6 from height 3 up.
    for (const auto& [column, from] : {std::pair{8, 1}, std::pair{7, 2}, std::pair{6, 3}})
        for (int h = from; h <= column; ++h)
            g_board[10 * column + h] = 0;
    for (int c = 1; c <= 9; ++c)
        for (int h = 1; h <= c; ++h)
            dialog.EnableSmiley(10 * c + h, g_board[10 * c + h] == 1);
    dialog.SmileyCell(9, 5)->setFocus(Qt::TabFocusReason);
    const struct {
        Qt::Key key;
        int column, height;
    } steps[] = {
        {Qt::Key_Right, 7, 1},  // over column 8 and the taken top of column 7
        {Qt::Key_Right, 6, 1},
        {Qt::Key_Up, 6, 2},
        {Qt::Key_Left, 7, 1},   // height 2 of column 7 is taken
        {Qt::Key_Left, 9, 1},   // over column 8 again
    };
    for (const auto& step : steps) {
        Press(step.key);
        EXPECT_EQ(Focus(), dialog.SmileyCell(step.column, step.height)) << step.key;
    }
}

TEST_F(GameDlgKeyboardTest, CellNamesFollowWhatTheCellsShow)
{
    QTest::mouseClick(dialog.SmileyCell(3, 2), Qt::LeftButton);
    for (int c = 1; c <= 9; ++c) {
        for (int h = 1; h <= c; ++h) {
            const QString where = QStringLiteral(", column %1, height %2").arg(c).arg(h);
            const bool standing = g_board[10 * c + h] == 1;
            EXPECT_EQ(dialog.SmileyCell(c, h)->accessibleName(), (standing ? "smiley" : "empty") + where);
            EXPECT_EQ(dialog.MirrorCell(c, h)->accessibleName(),
                      (standing ? "smiley not taken" : "taken smiley") + where);
        }
    }
    EXPECT_EQ(dialog.SmileyCell(3, 3)->accessibleName(), QStringLiteral("empty, column 3, height 3"));
}

}  // namespace
