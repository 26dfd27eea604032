#pragma once

#include <QPoint>

class CGameFlow;
class QEvent;

// The demo's watch for the player: from WatchForPlayer on, the player has stirred once the
// pointer has moved, or the window saw a mouse move over it (the only sign where the platform
// has no global pointer position), a key, a button or a request to close. While the demo runs,
// input only ends it.
class CDemoWatch {
public:
    explicit CDemoWatch(const CGameFlow& flow);

    void WatchForPlayer();
    bool PlayerHasStirred() const;

    // Every event the window sees goes through here first.
    void NoteInput(const QEvent* event);
    // A close asked for while a command runs: a running demo ends and lets the window close.
    void NoteClose();
    // Input during the demo only ends it: the key or click is used up, except Esc and
    // Ctrl+Q, which go on to close the window.
    bool EndsTheDemo(const QEvent* event) const;

private:
    const CGameFlow& m_flow;
    QPoint m_cursorAtWatch;  // where the pointer was at WatchForPlayer
    bool m_bStirred = false;
};
