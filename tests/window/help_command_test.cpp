// The Help command of the game window: its cues, and what each way of closing Help leads to.
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "base/product.h"
#include "game_dlg_fixture.h"
#include "help_dlg_helper.h"

namespace {

TEST(HelpCommand, EachWayOfClosingHelpClicksThenLaunchesAndEndsTheGameOnlyForMailToAndGoTo)
{
    const std::string mail = std::string("mailTo: ") + kContactEmail + "?subject=About Game Glimmerjig";
    const struct {
        const char* how;
        std::function<void(CHelpDlg&)> close;
        std::vector<std::string> launched;
    } cases[] = {
        {"OK", [](CHelpDlg& help) { HelpButton(help, control_name::kOk)->click(); }, {}},
        {"Esc", [](CHelpDlg& help) { QTest::keyClick(help.focusWidget(), Qt::Key_Escape); }, {}},
        {"close box", [](CHelpDlg& help) { help.close(); }, {}},
        {"Mail To", [](CHelpDlg& help) { HelpButton(help, control_name::kMailTo)->click(); }, {mail}},
        {"GoTo", [](CHelpDlg& help) { HelpButton(help, control_name::kGoTo)->click(); }, {kWebHost}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        g_launches.clear();
        fake_sound::Reset();
        CGameDlg game(fake_sound::Output(), RecordLaunch);
        game.show();
        fake_sound::Log().clear();
        bool modal = false;
        RunHelp(game, [&](CHelpDlg& help) {
            modal = help.parentWidget() == &game && help.isVisible();
            EXPECT_EQ(fake_sound::Log(), std::vector<std::string>{"cue 245"}) << "the loop starts before Help shows";
            c.close(help);
        });
        EXPECT_TRUE(modal);
        EXPECT_EQ(fake_sound::Log(), (std::vector<std::string>{"cue 245", "cue 244"}));
        EXPECT_EQ(g_launches, c.launched);
        EXPECT_EQ(game.isVisible(), c.launched.empty());
    }
    fake_sound::Reset();
    g_launches.clear();
}

}  // namespace
