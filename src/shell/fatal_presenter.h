#pragma once

class QWidget;

// Shows a fatal error in a message box with the exclamation icon and an OK button, owned
// by the owner set below when there is one; returns when the user has pressed OK.
void ShowFatalErrorBox(const char* text, const char* caption);

// The window that owns the box; nullptr for none. Cleared by itself when the window dies.
void SetFatalErrorOwner(QWidget* owner);
