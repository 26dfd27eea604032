#include "desktop_icon.h"

#include <cstdio>

#include "faces.h"
#include "picture_set.h"

Canvas DesktopIcon(int size)
{
    const Canvas art = IconPicture().canvas;
    Canvas icon(size, size, kMagenta);
    if (size % art.width() != 0) {
        DrawFace(icon, 0, 0, size, kYellowFace, Mood::kHappy);
        return icon;
    }
    const int scale = size / art.width();
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            icon.FillRect(x * scale, y * scale, scale, scale, art.at(x, y));
    return icon;
}

std::string ScalableIcon()
{
    const Canvas art = IconPicture().canvas;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(art.width()) + "\" height=\"" + std::to_string(art.height()) +
                      "\" viewBox=\"0 0 " + std::to_string(art.width()) + " " +
                      std::to_string(art.height()) + "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width();) {
            const Ink ink = art.at(x, y);
            int end = x + 1;
            while (end < art.width() && art.at(end, y) == ink)
                ++end;
            if (ink != kMagenta) {
                const Rgb& c = kPalette[ink];
                char fill[8];
                std::snprintf(fill, sizeof fill, "#%02x%02x%02x", c.r, c.g, c.b);
                svg += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                       "\" width=\"" + std::to_string(end - x) + "\" height=\"1\" fill=\"" + fill +
                       "\"/>\n";
            }
            x = end;
        }
    }
    return svg + "</svg>\n";
}
