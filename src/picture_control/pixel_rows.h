#pragma once

#include <QRgb>

// Loops over rows of 32-bit pixels that run for every pixel a frame repaints or a tick
// reveals, several pixels a step.

// to[x] is canvas[x], or tile[x] where canvas[x] is the key colour; without a branch.
void ComposeRow(const QRgb* canvas, const QRgb* tile, QRgb* to, int count, QRgb key);

// The pixels of row[0, count) from the first to the last other than key, as [left, right);
// left == right when there are none.
struct PixelSpan {
    int left = 0;
    int right = 0;
    bool IsEmpty() const { return left >= right; }
};
PixelSpan SpanOtherThan(const QRgb* row, int count, QRgb key);
