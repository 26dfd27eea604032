#pragma once

#include <QIcon>

// The game's icon (icon 128): a yellow smiley face with a dark rim, transparent around it.
QIcon GameIcon();
