#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "palette.h"

// A picture under construction: one palette index per pixel, no blending, so every edge
// stays as crisp as it is drawn. Drawing outside the bounds is clipped silently.
class Canvas {
public:
    Canvas(int width, int height, Ink fill);

    int width() const { return width_; }
    int height() const { return height_; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Ink at(int x, int y) const { return pixels_[Index(x, y)]; }
    bool operator==(const Canvas&) const = default;

    void Set(int x, int y, Ink ink);
    void FillRect(int x, int y, int w, int h, Ink ink);
    // A disc of the given diameter whose bounding box starts at (x, y).
    void FillDisc(int x, int y, int diameter, Ink ink);
    // Pixels of a drawn row of text art: each character of `rows` selects an ink through
    // `legend` (pairs of character and ink); characters not in the legend leave the pixel alone.
    void Art(int x, int y, const std::vector<std::string_view>& rows,
             const std::vector<std::pair<char, Ink>>& legend);
    // Copies `source` with its top left at (x, y), leaving pixels of `transparent` alone.
    void Paste(const Canvas& source, int x, int y, Ink transparent);
    // Replaces every pixel of ink `from` inside the rectangle by `to`.
    void Recolour(int x, int y, int w, int h, Ink from, Ink to);

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Ink> pixels_;
};
