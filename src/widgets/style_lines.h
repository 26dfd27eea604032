#pragma once

#include <functional>

class QPainter;
class QRect;

// The classic style draws its 3-D edges, frames and focus marks in lines one pixel wide. At a
// screen's scale S they are drawn here as round(S) device pixels each (1 at 125 %, 2 at 150 to
// 200 %), like the art beside them, instead of hairlines or lines that fall between device rows
// and vanish. draw paints the element in its classic one-pixel form at scale 1, where it would
// paint it on painter, inside rect; the first kEdgeLines rows and columns on each side of rect
// are then shown round(S) device pixels each, the rest, which these elements keep plain,
// stretched over what is left of rect on the device.
inline constexpr int kEdgeLines = 3;

void DrawStyleLines(QPainter& painter, const QRect& rect, const std::function<void(QPainter& plain)>& draw);
