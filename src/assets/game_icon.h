#pragma once

#include <QIcon>

// The game's icon for its window: the desktop icon set compiled in, every size it is drawn in,
// so that the window system gets each size it asks for as drawn, never scaled.
QIcon GameIcon();
