// Launching from the window with the real xdg-open: what the registered handler receives,
// the codes of failed launches in their message box, and a failed launch from the game's own
// commands, whose box stands over the game before the game ends.
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "base/product.h"
#include "box_watch.h"
#include "game_dlg_fixture.h"
#include "help_dlg_helper.h"
#include "test_desktop.h"
#include "window/launch_target.h"

namespace {

TEST(LaunchTargetTest, HandlerReceivesExactlyTheUrlOfEachTarget)
{
    const std::string email = kContactEmail;
    const struct {
        std::string target, url;
    } cases[] = {
        {"mailTo: " + email + "?subject=About Game Glimmerjig",
         "mailto:" + email + "?subject=About%20Game%20Glimmerjig"},
        {kWebHost, std::string("https://") + kWebHost},
        {"mailTo: " + email + "?subject=Über Glück", "mailto:" + email + "?subject=%C3%9Cber%20Gl%C3%BCck"},
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

TEST(LaunchTargetTest, FailedLaunchShowsItsCodeInABoxOwnedByTheWindow)
{
    const struct {
        const char* what;
        std::function<void(CTestDesktop&)> arrange;
        std::string target;
        const char* code;
        const char* recorded = "";  // what the handler received
    } cases[] = {
        {"no handler registered", [](CTestDesktop&) {}, "mailTo: a@b.example", "2+"},
        {"the desktop's opener fails", [](CTestDesktop& d) { d.FailingDesktopOpener(); }, "h.example", "5+"},
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
        EXPECT_EQ(watch.Seen()->caption.toStdString(), "window_tests") << c.what;
        EXPECT_EQ(watch.Seen()->icon, QMessageBox::Warning) << c.what;
        EXPECT_EQ(watch.Seen()->buttons, 1) << c.what;
        EXPECT_EQ(watch.Seen()->owner, &window) << c.what;
        EXPECT_EQ(desktop.Recorded().toStdString(), c.recorded) << c.what;
    }
}

// The game's own launch (not a test's): the box of the failure stands over the game window,
// and the game still ends once it has been confirmed.
TEST(LaunchTargetTest, AFailedLaunchFromTheGameShowsItsBoxOverTheGameThenTheGameEnds)
{
    const struct {
        const char* command;
        std::function<void(CTestDesktop&)> arrange;
        std::function<void(CGameDlg&)> run;
        const char* code;
    } cases[] = {
        {"About, mail button, no mail program", [](CTestDesktop&) {},
         [](CGameDlg& game) { RunAbout(game, [](CAboutDlg& box) { box.MailButton().click(); }); }, "2+"},
        {"Help, GoTo, the desktop's opener fails", [](CTestDesktop& d) { d.FailingDesktopOpener(); },
         [](CGameDlg& game) { RunHelp(game, [](CHelpDlg& help) { HelpButton(help, control_name::kGoTo)->click(); }); },
         "5+"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        CTestDesktop desktop;
        c.arrange(desktop);
        g_bMailTo = false;
        fake_sound::Reset();
        CGameDlg game(fake_sound::Output());
        ASSERT_TRUE(ShowActive(game));
        CBoxWatch watch;
        c.run(game);
        ASSERT_TRUE(watch.Seen()) << "no box for the failed launch";
        EXPECT_EQ(watch.Seen()->text.toStdString(), c.code);
        EXPECT_EQ(watch.Seen()->owner, &game);
        EXPECT_FALSE(game.isVisible()) << "the game did not end after the box";
        EXPECT_EQ(game.result(), QDialog::Rejected);
    }
    g_bMailTo = false;
    fake_sound::Reset();
}

}  // namespace
