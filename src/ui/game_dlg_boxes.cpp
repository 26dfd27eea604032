// The commands that open a box of their own, and the launch that may follow them.
#include "base/cue_ids.h"
#include "base/product.h"
#include "ui/about_dlg.h"
#include "ui/game_dlg.h"
#include "ui/help_dlg.h"
#include "ui/launch_url.h"

void CGameDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
    PlayCue(kCueClick);
    if (g_bMailTo) {
        Launch(MailTarget());
        CloseAfterCommand();
    }
}

void CGameDlg::OnHelp()
{
    // Owned by this window rather than by none: the window manager then keeps it above the
    // game and centres it there, and it leaves with the game.
    CHelpDlg help(this);
    help.m_bGoTo = false;
    help.m_bMailTo = false;
    PlayCue(kCueLoop);
    help.exec();
    PlayCue(kCueClick);
    if (help.m_bMailTo) {
        Launch(MailTarget());
        CloseAfterCommand();
    }
    if (help.m_bGoTo) {
        Launch(kWebHost);
        CloseAfterCommand();
    }
}

void CGameDlg::Launch(const std::string& target)
{
    m_launch(this, target);
}
