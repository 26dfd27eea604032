// The board as the window shows it: start board, a move and the reply, each cell's pictures.
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

#include "game/board.h"
#include "game_dlg_fixture.h"
#include "pictures_helper.h"
#include "qt_print.h"

namespace {

class GameDlgCellsTest : public GameDlgTest {
protected:
    // Outside animations every cell follows the board.
    void ExpectCellsFollowTheBoard()
    {
        for (int c = 1; c <= 9; ++c) {
            for (int h = 1; h <= c; ++h) {
                const bool smiley = g_board[10 * c + h] == 1;
                EXPECT_EQ(dialog.SmileyCell(c, h)->isEnabled(), smiley) << c << h;
                EXPECT_EQ(dialog.MirrorCell(c, h)->isEnabled(), !smiley) << c << h;
            }
        }
    }
};

TEST_F(GameDlgCellsTest, StartBoardShowsYellowSmileysAndWhiteMirrors)
{
    const QImage yellow = ProgramPicture("MYIMAGEU");
    const QImage white = ProgramPicture("IMAGEX");
    ASSERT_FALSE(yellow.isNull());
    ASSERT_FALSE(white.isNull());
    for (int c = 1; c <= 9; ++c) {
        for (int h = 1; h <= c; ++h) {
            EXPECT_TRUE(dialog.SmileyCell(c, h)->isEnabled());
            EXPECT_FALSE(dialog.MirrorCell(c, h)->isEnabled());
            EXPECT_EQ(Painted(dialog.SmileyCell(c, h)), yellow) << c << h;
            EXPECT_EQ(Painted(dialog.MirrorCell(c, h)), white) << c << h;
        }
    }
    EXPECT_EQ(Find<QLineEdit>(control_name::kScore)->text(), QStringLiteral("00  : 00"));
    EXPECT_TRUE(Find<QRadioButton>(control_name::BoardSize(9))->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(control_name::Level(3))->isChecked());
    EXPECT_FALSE(dialog.windowIcon().isNull());
    // The first board is set up silently.
    EXPECT_EQ(startLog, std::vector<std::string>{"cue 244 (silent)"});
}

TEST_F(GameDlgCellsTest, MoveEmptiesTheCellsTurnsTheirMirrorsCyanAndTheComputerReplies)
{
    QTest::mouseClick(dialog.SmileyCell(9, 3), Qt::LeftButton);
    for (int h = 3; h <= 9; ++h) {
        EXPECT_EQ(g_board[90 + h], 0);
        EXPECT_EQ(Painted(dialog.SmileyCell(9, h)), ProgramPicture("MYIMAGEX"));
        EXPECT_EQ(Painted(dialog.MirrorCell(9, h)), ProgramPicture("IMAGEU"));
    }
    const auto& log = fake_sound::Log();
    ASSERT_GE(log.size(), 8u);
    EXPECT_EQ(std::count(log.begin(), log.begin() + 7, "cue 244"), 7);  // one per smiley taken
    EXPECT_EQ(log[7], "pause 2");
    // The reply took at least one smiley, each with its cue.
    const auto replyTaken = std::count(log.begin() + 8, log.end(), "cue 244");
    EXPECT_GE(replyTaken, 1);
    EXPECT_EQ(CountColumns(), 45 - 7 - replyTaken);
    ExpectCellsFollowTheBoard();
}

TEST_F(GameDlgCellsTest, EachStatePaintsItsPicture)
{
    QTest::mouseClick(dialog.SmileyCell(9, 9), Qt::LeftButton);
    CCellButton* smiley = dialog.SmileyCell(8, 1);
    CCellButton* mirror = dialog.MirrorCell(9, 9);
    for (int c = 8; !smiley->isEnabled() && c > 1; --c)
        smiley = dialog.SmileyCell(c - 1, 1);
    ASSERT_TRUE(smiley->isEnabled() && mirror->isEnabled());
    smiley->setDown(true);
    EXPECT_EQ(Painted(smiley), ProgramPicture("MYIMAGED"));
    smiley->setDown(false);
    smiley->setFocus();
    EXPECT_EQ(Painted(smiley), ProgramPicture("MYIMAGEF"));
    mirror->setDown(true);
    EXPECT_EQ(Painted(mirror), ProgramPicture("IMAGED"));
    mirror->setDown(false);
    mirror->setFocus();  // no focus picture: as enabled
    EXPECT_EQ(Painted(mirror), ProgramPicture("IMAGEU"));
}

TEST_F(GameDlgCellsTest, PressingASmileyAndReleasingOutsideMakesNoMove)
{
    CCellButton* cell = dialog.SmileyCell(5, 2);
    QTest::mousePress(cell, Qt::LeftButton, {}, QPoint(12, 12));
    QTest::mouseMove(cell, QPoint(12, -30));
    QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(12, -30));
    EXPECT_EQ(g_board[52], 1);
    EXPECT_EQ(CountColumns(), 45);
    EXPECT_TRUE(fake_sound::Log().empty());
    EXPECT_TRUE(cell->hasFocus());
    EXPECT_EQ(Painted(cell), ProgramPicture("MYIMAGEF"));
    // Disabled, it gives the focus away and shows the empty cell.
    dialog.EnableSmiley(52, false);
    EXPECT_FALSE(cell->hasFocus());
    EXPECT_EQ(Painted(cell), ProgramPicture("MYIMAGEX"));
}

TEST_F(GameDlgCellsTest, ClickingATakenSmileysMirrorDoesNothing)
{
    QTest::mouseClick(dialog.SmileyCell(9, 9), Qt::LeftButton);
    const int smileys = CountColumns();
    const std::size_t events = fake_sound::Log().size();
    QTest::mouseClick(dialog.MirrorCell(9, 9), Qt::LeftButton);
    EXPECT_EQ(CountColumns(), smileys);
    EXPECT_EQ(fake_sound::Log().size(), events);
}

TEST_F(GameDlgCellsTest, ACellIsPaintedBeforeItsStateChangeReturns)
{
    CCellButton* cell = dialog.SmileyCell(4, 4);
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    cell->installEventFilter(&counter);
    dialog.EnableSmiley(44, false);
    EXPECT_EQ(counter.paints, 1);
    dialog.EnableMirror(44, true);
    dialog.EnableSmiley(44, false);  // no change, no paint
    EXPECT_EQ(counter.paints, 1);
    dialog.EnableSmiley(44, true);
    EXPECT_EQ(counter.paints, 2);
}

}  // namespace
