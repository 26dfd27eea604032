#include "faces.h"

#include <algorithm>
#include <cmath>

namespace {

double Distance(double x0, double y0, double x1, double y1)
{
    return std::hypot(x1 - x0, y1 - y0);
}

// Shades the part of the face that a disc moved towards the upper left no longer covers.
void Shadow(Canvas& canvas, int x, int y, int d, FaceColours colours)
{
    const double r = d / 2.0 - 1.0;
    const double shift = std::max(1.0, d / 12.0);
    for (int row = 0; row < d; ++row) {
        for (int col = 0; col < d; ++col) {
            if (!canvas.Inside(x + col, y + row) || canvas.at(x + col, y + row) != colours.face)
                continue;
            const double px = col + 0.5;
            const double py = row + 0.5;
            if (Distance(px, py, d / 2.0 - shift, d / 2.0 - shift) > r)
                canvas.Set(x + col, y + row, colours.shadow);
        }
    }
}

void Eyes(Canvas& canvas, int x, int y, int d)
{
    const int width = std::max(1, static_cast<int>(std::lround(d / 11.0)));
    const int height = std::max(2, static_cast<int>(std::lround(d / 5.5)));
    const int top = y + static_cast<int>(std::lround(d * 0.27));
    const int offset = static_cast<int>(std::lround(d * 0.16));
    // Mirror images about the face's middle, whether that falls on a pixel (odd d) or between two.
    const int centre = x + d / 2;
    canvas.FillRect(centre - offset - width + d % 2, top, width, height, kBlack);
    canvas.FillRect(centre + offset, top, width, height, kBlack);
}

// A curved mouth traced column by column, each column joined to the last, so the curve has no
// gaps and no stray pixels: a smile bends down in the middle, a sad mouth up.
void Mouth(Canvas& canvas, int x, int y, int d, Mood mood)
{
    const double half_width = d * 0.27;
    const double depth = d * 0.15;
    const int thickness = d >= 20 ? 2 : 1;
    const double corner = mood == Mood::kHappy ? d * 0.56 : d * 0.74;
    const double bend = mood == Mood::kHappy ? depth : -depth;
    int last = -1;
    for (int col = 0; col < d; ++col) {
        const double u = (col + 0.5 - d / 2.0) / half_width;
        if (std::abs(u) > 1.0)
            continue;
        const int row = static_cast<int>(std::floor(corner + bend * (1.0 - u * u)));
        const int from = last < 0 ? row : std::min(row, last + (row > last ? 1 : 0));
        const int to = last < 0 ? row : std::max(row, last - (row < last ? 1 : 0));
        canvas.FillRect(x + col, y + std::min(from, to), 1, std::abs(to - from) + thickness,
                        kBlack);
        last = row;
    }
}

}  // namespace

void DrawFace(Canvas& canvas, int x, int y, int diameter, FaceColours colours, Mood mood)
{
    canvas.FillDisc(x, y, diameter, colours.rim);
    canvas.FillDisc(x + 1, y + 1, diameter - 2, colours.face);
    Shadow(canvas, x, y, diameter, colours);
    Eyes(canvas, x, y, diameter);
    Mouth(canvas, x, y, diameter, mood);
    const int glint = diameter >= 20 ? 2 : 1;
    const int gx = x + static_cast<int>(std::lround(diameter * 0.22));
    const int gy = y + static_cast<int>(std::lround(diameter * 0.16));
    if (colours.face != kWhite)
        canvas.FillRect(gx, gy, glint, glint, kWhite);
}
