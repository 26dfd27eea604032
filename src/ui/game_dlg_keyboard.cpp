// Keyboard play on the board.
#include <algorithm>

#include "ui/cell_button.h"
#include "ui/game_dlg.h"

namespace {

bool Standing(const CCellButton* cell)
{
    return cell && cell->isEnabled();
}

}  // namespace

void CGameDlg::UpdateBoardStop()
{
    if (!Standing(m_smileys[m_nBoardStop])) {
        // The top smiley of the leftmost column that still has one: where a reader starts.
        int stop = 0;
        for (int column = 9; column >= 1 && stop == 0; --column) {
            for (int height = column; height >= 1 && stop == 0; --height) {
                if (Standing(SmileyCell(column, height)))
                    stop = 10 * column + height;
            }
        }
        SetBoardStop(stop, false);
    }
    // A move made from the keyboard leaves the focus on the board, where the player was.
    if (m_bKeysOnBoard && m_nBoardStop != 0 && SmileyCodeOf(focusWidget()) == 0)
        m_smileys[m_nBoardStop]->setFocus(Qt::TabFocusReason);
}

int CGameDlg::SmileyCodeOf(const QObject* object) const
{
    for (int code = 11; code < 100; ++code) {
        if (object && m_smileys[code] == object)
            return code;
    }
    return 0;
}

void CGameDlg::SetBoardStop(int code, bool focus)
{
    if (CCellButton* old = m_smileys[m_nBoardStop])
        old->setFocusPolicy(Qt::ClickFocus);
    m_nBoardStop = code;
    CCellButton* cell = m_smileys[code];
    if (!cell)
        return;
    cell->setFocusPolicy(Qt::StrongFocus);
    if (focus)
        cell->setFocus(Qt::TabFocusReason);
}

bool CGameDlg::MoveOnBoard(QObject* watched, int key)
{
    const int code = SmileyCodeOf(watched);
    if (code == 0)
        return false;
    const int column = code / 10;
    const int height = code % 10;
    int step = 0;  // columns to the left on the screen (positive) or to the right
    switch (key) {
    case Qt::Key_Up:
        if (Standing(SmileyCell(column, height + 1)))
            SetBoardStop(code + 1, true);
        return true;
    case Qt::Key_Down:
        if (Standing(SmileyCell(column, height - 1)))
            SetBoardStop(code - 1, true);
        return true;
    case Qt::Key_Left:
        step = 1;
        break;
    case Qt::Key_Right:
        step = -1;
        break;
    default:
        return false;
    }
    // The nearest column that has smileys, at the same height or its top when lower.
    for (int c = column + step; c >= 1 && c <= 9; c += step) {
        for (int h = std::min(height, c); h >= 1; --h) {
            if (Standing(SmileyCell(c, h))) {
                SetBoardStop(10 * c + h, true);
                return true;
            }
        }
    }
    return true;
}
