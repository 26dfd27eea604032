#include "window/box_commands.h"

#include "base/cue_ids.h"
#include "base/product.h"
#include "boxes/about_dlg.h"
#include "boxes/help_dlg.h"
#include "launch/launch_url.h"

CBoxCommands::CBoxCommands(QWidget* owner, SoundOutput sound, LaunchFunction launch,
                           std::function<void()> closeAfterCommand)
    : m_owner(owner), m_sound(sound), m_launch(launch), m_closeAfterCommand(std::move(closeAfterCommand))
{
}

void CBoxCommands::OnAbout()
{
    CAboutDlg about(m_owner);
    about.exec();
    m_sound.playCue(kCueClick);
    if (g_bMailTo)
        LaunchAndClose(MailTarget());
}

void CBoxCommands::OnHelp()
{
    CHelpDlg help(m_owner);
    help.m_bGoTo = false;
    help.m_bMailTo = false;
    m_sound.playCue(kCueLoop);
    help.exec();
    m_sound.playCue(kCueClick);
    if (help.m_bMailTo)
        LaunchAndClose(MailTarget());
    if (help.m_bGoTo)
        LaunchAndClose(kWebHost);
}

void CBoxCommands::Launch(const std::string& target)
{
    m_launch(m_owner, target);
}

void CBoxCommands::LaunchAndClose(const std::string& target)
{
    Launch(target);
    m_closeAfterCommand();
}
