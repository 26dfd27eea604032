#include "window/demo_watch.h"

#include <QCursor>
#include <QEvent>
#include <QKeyEvent>

#include "flow/game_flow.h"
#include "widgets/dialog_keys.h"

CDemoWatch::CDemoWatch(const CGameFlow& flow) : m_flow(flow) {}

void CDemoWatch::WatchForPlayer()
{
    m_cursorAtWatch = QCursor::pos();
    m_bStirred = false;
}

bool CDemoWatch::PlayerHasStirred() const
{
    // Where the platform knows no global pointer position (Wayland), the player's moves over
    // the window still count: NoteInput notes them.
    return m_bStirred || QCursor::pos() != m_cursorAtWatch;
}

void CDemoWatch::NoteInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::ContextMenu:
        m_bStirred = true;
        break;
    default:
        break;
    }
}

void CDemoWatch::NoteClose()
{
    m_bStirred = true;
}

bool CDemoWatch::EndsTheDemo(const QEvent* event) const
{
    if (!m_flow.InDemo())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        return key->key() != Qt::Key_Escape && !IsQuitKey(key);
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}
