#pragma once

#include <cstdint>

// Loops over rows of 32-bit pixels that run for every pixel a frame repaints or a tick
// reveals, several pixels a step.

// A pixel as a 32-bit image row holds it (0xAARRGGBB).
using Pixel = std::uint32_t;

// to[x] is canvas[x], or tile[x] where canvas[x] is the key colour; without a branch.
void ComposeRow(const Pixel* canvas, const Pixel* tile, Pixel* to, int count, Pixel key);

// The pixels of row[0, count) from the first to the last other than key, as [left, right);
// left == right when there are none.
struct PixelSpan {
    int left = 0;
    int right = 0;
    bool IsEmpty() const { return left >= right; }
};
PixelSpan SpanOtherThan(const Pixel* row, int count, Pixel key);
