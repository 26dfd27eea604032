// The Help command of the game window: its cues, and what each way of closing Help leads to.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

#include "base/product.h"
#include "fake_sound.h"
#include "help_dlg_helper.h"
#include "ui/cell_button.h"
#include "ui/game_dlg.h"

namespace {

std::vector<std::string> g_launched;
void RecordLaunch(QWidget*, std::string_view target)
{
    g_launched.emplace_back(target);
}

TEST(HelpCommand, EachWayOfClosingHelpClicksThenLaunchesAndEndsTheGameOnlyForMailToAndGoTo)
{
    const std::string mail = std::string("mailTo: ") + kContactEmail + "?subject=About Game Glimmerjig";
    const struct {
        const char* how;
        std::function<void(CHelpDlg&)> close;
        std::vector<std::string> launched;
    } cases[] = {
        {"OK", [](CHelpDlg& help) { HelpButton(help, 1)->click(); }, {}},
        {"Esc", [](CHelpDlg& help) { QTest::keyClick(help.focusWidget(), Qt::Key_Escape); }, {}},
        {"close box", [](CHelpDlg& help) { help.close(); }, {}},
        {"Mail To", [](CHelpDlg& help) { HelpButton(help, 6)->click(); }, {mail}},
        {"GoTo", [](CHelpDlg& help) { HelpButton(help, 2)->click(); }, {kWebHost}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        g_launched.clear();
        fake_sound::Reset();
        CGameDlg game(fake_sound::Output(), RecordLaunch);
        game.show();
        fake_sound::Log().clear();
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* help = qobject_cast<CHelpDlg*>(QApplication::activeModalWidget());
            ASSERT_TRUE(help);
            modal = help->parentWidget() == &game && help->isVisible();
            EXPECT_EQ(fake_sound::Log(), std::vector<std::string>{"cue 245"}) << "the loop starts before Help shows";
            c.close(*help);
        });
        game.findChild<CCellButton*>(QStringLiteral("ctl1114"))->click();
        EXPECT_TRUE(modal);
        EXPECT_EQ(fake_sound::Log(), (std::vector<std::string>{"cue 245", "cue 244"}));
        EXPECT_EQ(g_launched, c.launched);
        EXPECT_EQ(game.isVisible(), c.launched.empty());
    }
    fake_sound::Reset();
}

}  // namespace
