#pragma once

#include <QRect>
#include <cmath>

// Dialog units in pixels, worked out here rather than with the product's code: base units
// 6 x 13, half rounded up.
inline int PxX(int units)
{
    return static_cast<int>(std::floor(units * 6 / 4.0 + 0.5));
}

inline int PxY(int units)
{
    return static_cast<int>(std::floor(units * 13 / 8.0 + 0.5));
}

inline QRect PxRect(int x, int y, int width, int height)
{
    return QRect(PxX(x), PxY(y), PxX(width), PxY(height));
}
