// The commands that open a box of their own, and the launch that may follow them.
#include "ui/about_dlg.h"
#include "ui/game_dlg.h"
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

void CGameDlg::Launch(const std::string& target)
{
    m_launch(this, target);
}
