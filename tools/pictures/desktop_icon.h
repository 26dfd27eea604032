#pragma once

#include <QImage>
#include <array>

// The sizes the desktop icon is drawn in, in pixels.
inline constexpr std::array<int, 7> kDesktopIconSizes = {16, 22, 32, 48, 64, 128, 256};

// The game's smiley for the desktop, drawn for `size` with smooth edges on transparency.
QImage DesktopIcon(int size);
