// The About command: it opens the box from the window menu, and the box's mail button launches.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "base/product.h"
#include "game_dlg_fixture.h"
#include "qt_print.h"

namespace {

class AboutCommandTest : public GameDlgTest {
protected:
    void SetUp() override
    {
        g_bMailTo = false;
        GameDlgTest::SetUp();
    }
    void TearDown() override
    {
        g_bMailTo = false;
        GameDlgTest::TearDown();
    }
};

TEST_F(AboutCommandTest, ClosingTheBoxClicksAndTheGameGoesOn)
{
    RunAbout(dialog, [](CAboutDlg& box) {
        EXPECT_TRUE(fake_sound::Log().empty()) << "a cue before the box closed";
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(fake_sound::Log(), std::vector<std::string>{"cue 244"});
    EXPECT_TRUE(g_launches.empty());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(AboutCommandTest, TheMailButtonLaunchesTheMailTargetAndEndsTheGame)
{
    RunAbout(dialog, [](CAboutDlg& box) { box.MailButton().click(); });
    EXPECT_EQ(fake_sound::Log(), std::vector<std::string>{"cue 244"});
    EXPECT_EQ(g_launches, std::vector<std::string>{std::string("mailTo: ") + kContactEmail +
                                                   "?subject=About Game Glimmerjig"});
    EXPECT_FALSE(dialog.isVisible());
}

// While the launch runs: no window menu, a close waits for it, and nothing asked for
// meanwhile runs before the game ends once.
TEST_F(AboutCommandTest, InputDuringTheLaunchWaitsAndTheGameEndsOnceAfterIt)
{
    bool menu = false;
    g_duringLaunch = [&] {
        RightClick(dialog.MirrorCell(3, 2));
        menu = QApplication::activePopupWidget() != nullptr;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible()) << "closed inside the launch";
        Find<CCellButton>(control_name::kHelp)->click();
        QTest::mouseClick(dialog.SmileyCell(9, 1), Qt::LeftButton);
    };
    RunAbout(dialog, [](CAboutDlg& box) { box.MailButton().click(); });
    EXPECT_FALSE(menu);
    EXPECT_EQ(g_launches.size(), 1u);
    EXPECT_EQ(fake_sound::Log(), std::vector<std::string>{"cue 244"}) << "Help or the move ran";
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
