#include "to_image.h"

QImage ToImage(const Canvas& canvas, bool key_transparent)
{
    QImage image(canvas.width(), canvas.height(), QImage::Format_ARGB32);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Ink ink = canvas.at(x, y);
            const Rgb& c = kPalette[ink];
            const int alpha = key_transparent && ink == kMagenta ? 0 : 255;
            image.setPixel(x, y, qRgba(c.r, c.g, c.b, alpha));
        }
    }
    return image;
}
