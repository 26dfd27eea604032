#pragma once

#include <QKeyEvent>

// Enter or Return with no modifier but the keypad's: the key of a dialog's default command.
inline bool IsEnterKey(const QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
