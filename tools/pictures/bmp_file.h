#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"

// The bytes of a Windows bitmap file holding `canvas`: 4 bits per pixel, uncompressed (BI_RGB),
// rows bottom-up and padded to 4 bytes, with the 16-entry colour table of kPalette. Every
// field is fixed, so the same canvas always gives the same bytes.
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);
