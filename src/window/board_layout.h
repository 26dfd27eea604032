#pragma once

#include <QPoint>

// Where the board's cells stand. A smiley cell stands for the board cell of column c (1..9,
// 1 at the right) and height h (1..c); its mirror stands at the position turned by 180
// degrees about the centre of the grid.
namespace board_layout {

inline constexpr int kColumns = 9;
inline constexpr int kCellPixels = 24;

// Top-left corners in dialog units.
QPoint SmileyOrigin(int column, int height);
QPoint MirrorOrigin(int column, int height);

}  // namespace board_layout
