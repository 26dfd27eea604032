#pragma once

#include <QKeyEvent>

// The keys that dialogs take for themselves.

// Enter or Return with no modifier but the keypad's: the key of a dialog's default command.
inline bool IsEnterKey(const QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Ctrl+Q, which closes a window as Esc does on every Linux desktop; meant literally, whatever
// the platform theme's key bindings say.
inline bool IsQuitKey(const QKeyEvent* event)
{
    return event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Q);
}
