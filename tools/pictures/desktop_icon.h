#pragma once

#include <array>
#include <string>

#include "canvas.h"

// The sizes the desktop icon is drawn in, in pixels.
inline constexpr std::array<int, 7> kDesktopIconSizes = {16, 22, 32, 48, 64, 128, 256};

// The game's icon at `size` pixels, magenta where it is transparent: icon 128, the 32-pixel
// face, with each of its pixels as a square block at multiples of 32; the same face drawn at
// that size otherwise, since a fraction of a pixel cannot stay sharp.
Canvas DesktopIcon(int size);

// Icon 128 as SVG: each row's runs of one colour as rectangles on a 32-unit grid, so that it
// stays sharp at any size and matches the PNG icons at every multiple of 32.
std::string ScalableIcon();
