#include "window/board_keys.h"

#include <QEvent>
#include <algorithm>

#include "widgets/cell_button.h"

namespace {

bool Standing(const CCellButton* cell)
{
    return cell && cell->isEnabled();
}

}  // namespace

CBoardKeys::CBoardKeys(const std::array<CCellButton*, 100>& smileys) : m_smileys(smileys)
{
}

CCellButton* CBoardKeys::Smiley(int column, int height) const
{
    return column >= 1 && column <= 9 && height >= 1 && height <= column ? m_smileys[10 * column + height]
                                                                          : nullptr;
}

void CBoardKeys::NoteInput(const QObject* watched, const QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        m_bKeysOnBoard = SmileyCodeOf(watched) != 0;
    else if (event->type() == QEvent::MouseButtonPress)
        m_bKeysOnBoard = false;
}

void CBoardKeys::UpdateBoardStop(const QWidget* focus)
{
    if (!Standing(m_smileys[m_nBoardStop])) {
        // The top smiley of the leftmost column that still has one: where a reader starts.
        int stop = 0;
        for (int column = 9; column >= 1 && stop == 0; --column) {
            for (int height = column; height >= 1 && stop == 0; --height) {
                if (Standing(Smiley(column, height)))
                    stop = 10 * column + height;
            }
        }
        SetBoardStop(stop, false);
    }
    if (m_bKeysOnBoard && m_nBoardStop != 0 && SmileyCodeOf(focus) == 0)
        m_smileys[m_nBoardStop]->setFocus(Qt::TabFocusReason);
}

int CBoardKeys::SmileyCodeOf(const QObject* object) const
{
    if (!object)
        return 0;
    const auto found = std::find(m_smileys.begin(), m_smileys.end(), object);
    return found == m_smileys.end() ? 0 : static_cast<int>(found - m_smileys.begin());
}

void CBoardKeys::SetBoardStop(int code, bool focus)
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

bool CBoardKeys::MoveOnBoard(QObject* watched, int key)
{
    const int code = SmileyCodeOf(watched);
    if (code == 0)
        return false;
    const int column = code / 10;
    const int height = code % 10;
    int step = 0;  // columns to the left on the screen (positive) or to the right
    switch (key) {
    case Qt::Key_Up:
        if (Standing(Smiley(column, height + 1)))
            SetBoardStop(code + 1, true);
        return true;
    case Qt::Key_Down:
        if (Standing(Smiley(column, height - 1)))
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
            if (Standing(Smiley(c, h))) {
                SetBoardStop(10 * c + h, true);
                return true;
            }
        }
    }
    return true;
}
