#pragma once

#include <string_view>

class QWidget;

// Opens the target with the desktop's registered handler (launch/launcher.h) and shows the
// code of a failed launch in a message box owned by owner (may be nullptr): the code as its
// text, the exclamation icon, an OK button and the executable's base name as its caption.
// Returns when the opener has ended, when patience has run out, or when the box has been
// confirmed; the window goes on meanwhile. Never ends what it started.
void LaunchTarget(QWidget* owner, std::string_view target);

// How a window launches: LaunchTarget, or a test's own.
using LaunchFunction = void (*)(QWidget* owner, std::string_view target);
