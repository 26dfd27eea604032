// The game flow's view: cells, buttons, score, message boxes, the watch for the player, cues
// and pauses.
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

#include "widgets/cell_button.h"
#include "widgets/classic_look.h"
#include "window/game_dlg.h"

namespace {

// The cell's state changes and is on the screen before the call returns: animations run
// inside one command, and each step must be seen when it happens.
void SetCellEnabled(CCellButton* cell, bool enabled)
{
    if (!cell || cell->isEnabled() == enabled)
        return;
    cell->setEnabled(enabled);
    cell->repaint();
}

template <std::size_t N>
void CheckRadio(const std::array<QRadioButton*, N>& buttons, int index)
{
    buttons[index]->setChecked(true);
    for (QRadioButton* button : buttons)
        button->repaint();
}

}  // namespace

void CGameDlg::EnableSmiley(int code, bool enabled)
{
    SetCellEnabled(SmileyCell(code / 10, code % 10), enabled);
}

void CGameDlg::EnableMirror(int code, bool enabled)
{
    SetCellEnabled(MirrorCell(code / 10, code % 10), enabled);
}

void CGameDlg::EnableToolButtons()
{
    for (CCellButton* button : {m_controls.m_help, m_controls.m_soundButton, m_controls.m_demo}) {
        if (!button->isEnabled()) {
            button->setEnabled(true);
            button->repaint();
        }
    }
}

void CGameDlg::CheckSizeButton(int size)
{
    if (size < 4 || size > 9)
        return;
    m_nSize = size - 4;
    CheckRadio(m_controls.m_sizeButtons, m_nSize);
}

void CGameDlg::CheckLevelButton(int level)
{
    if (level < 1 || level > 3)
        return;
    m_nLevel = level - 1;
    CheckRadio(m_controls.m_levelButtons, m_nLevel);
}

void CGameDlg::SetScoreText(const std::string& text)
{
    m_controls.m_score->setText(QString::fromStdString(text));
    m_controls.m_score->repaint();
}

void CGameDlg::ShowMessage(const std::string& text, const std::string& caption)
{
    // The game flow hands over its English texts, marked for the catalogues; the caption is the
    // game's name.
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption), tr(text.c_str()), QMessageBox::Ok, this);
    box.setFont(SelfSizedFont());
    box.exec();
}

void CGameDlg::WatchForPlayer()
{
    m_demoWatch.WatchForPlayer();
}

bool CGameDlg::PlayerHasStirred()
{
    return m_demoWatch.PlayerHasStirred();
}

void CGameDlg::PlayCue(int id)
{
    m_sound.playCue(id);
}

void CGameDlg::Pause(int n)
{
    m_sound.pause(n);
}
