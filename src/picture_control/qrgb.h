#pragma once

#include <QColor>

#include "picture_text/colorref.h"

// A host's colour as an opaque Qt pixel value (0xFFRRGGBB).
constexpr QRgb ToQRgb(COLORREF colour)
{
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>(colour >> 8 & 0xFF),
                static_cast<int>(colour >> 16 & 0xFF));
}
