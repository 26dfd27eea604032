#pragma once

#include <cstdint>

// A colour as the picture-text hosts give it: 0x00BBGGRR, red in the low byte.
using COLORREF = std::uint32_t;

constexpr COLORREF Rgb(int red, int green, int blue)
{
    return static_cast<COLORREF>(red & 0xFF) | static_cast<COLORREF>(green & 0xFF) << 8 |
           static_cast<COLORREF>(blue & 0xFF) << 16;
}
