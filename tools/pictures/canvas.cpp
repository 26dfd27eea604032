#include "canvas.h"

#include <cstdlib>
#include <utility>

Canvas::Canvas(int width, int height, Ink fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
{
}

void Canvas::Set(int x, int y, Ink ink)
{
    if (Inside(x, y))
        pixels_[Index(x, y)] = ink;
}

void Canvas::FillRect(int x, int y, int w, int h, Ink ink)
{
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col)
            Set(col, row, ink);
}

void Canvas::FrameRect(int x, int y, int w, int h, Ink ink)
{
    FillRect(x, y, w, 1, ink);
    FillRect(x, y + h - 1, w, 1, ink);
    FillRect(x, y, 1, h, ink);
    FillRect(x + w - 1, y, 1, h, ink);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Ink ink)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Set(x0, y0, ink);
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Canvas::FillDisc(int x, int y, int diameter, Ink ink)
{
    // Pixel centres within the circle, measured in doubled coordinates to stay in integers.
    const int r2 = diameter * diameter;
    for (int row = 0; row < diameter; ++row) {
        for (int col = 0; col < diameter; ++col) {
            const int dx = 2 * col + 1 - diameter;
            const int dy = 2 * row + 1 - diameter;
            if (dx * dx + dy * dy <= r2 - diameter / 2)
                Set(x + col, y + row, ink);
        }
    }
}

void Canvas::Art(int x, int y, const std::vector<std::string_view>& rows,
                 const std::vector<std::pair<char, Ink>>& legend)
{
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t col = 0; col < rows[row].size(); ++col) {
            for (const auto& [symbol, ink] : legend) {
                if (rows[row][col] == symbol)
                    Set(x + static_cast<int>(col), y + static_cast<int>(row), ink);
            }
        }
    }
}

void Canvas::Paste(const Canvas& source, int x, int y, Ink transparent)
{
    for (int row = 0; row < source.height(); ++row)
        for (int col = 0; col < source.width(); ++col)
            if (source.at(col, row) != transparent)
                Set(x + col, y + row, source.at(col, row));
}

void Canvas::Recolour(int x, int y, int w, int h, Ink from, Ink to)
{
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col)
            if (Inside(col, row) && at(col, row) == from)
                Set(col, row, to);
}

void Canvas::Flood(int x, int y, Ink ink)
{
    if (!Inside(x, y) || at(x, y) == ink)
        return;
    const Ink old = at(x, y);
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
        const auto [cx, cy] = stack.back();
        stack.pop_back();
        if (!Inside(cx, cy) || at(cx, cy) != old)
            continue;
        Set(cx, cy, ink);
        stack.insert(stack.end(), {{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}});
    }
}
