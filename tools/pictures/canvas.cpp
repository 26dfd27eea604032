#include "canvas.h"


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

