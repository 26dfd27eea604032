#include "window/board_layout.h"

namespace board_layout {
namespace {

constexpr int kLeft = 55;      // x of column 9
constexpr int kBottom = 148;   // y of row 1
constexpr int kTop = 4;        // y of row 10
constexpr int kColumnStep = 17;
constexpr int kRowStep = 16;

}  // namespace

QPoint SmileyOrigin(int column, int height)
{
    return QPoint(kLeft + kColumnStep * (kColumns - column), kBottom - kRowStep * (height - 1));
}

QPoint MirrorOrigin(int column, int height)
{
    // Column 10 - c, row h counted from the top.
    return QPoint(kLeft + kColumnStep * (column - 1), kTop + kRowStep * (height - 1));
}

}  // namespace board_layout
