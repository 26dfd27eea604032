#pragma once

#include <QRect>

// Dialog units of the window's layout, converted with the fixed base units of the 8-point
// dialog font (6 x 13 pixels), never measured from a font on this machine, so the layout is
// the same everywhere. Rounded half away from zero, as the conversion always was.
namespace dlu {

constexpr int MulDiv(int number, int numerator, int denominator)
{
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

constexpr int X(int x) { return MulDiv(x, 6, 4); }
constexpr int Y(int y) { return MulDiv(y, 13, 8); }

// Position and size are converted separately, as a dialog template's are.
constexpr QRect Rect(int x, int y, int width, int height)
{
    return QRect(X(x), Y(y), X(width), Y(height));
}

}  // namespace dlu
