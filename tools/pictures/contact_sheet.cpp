#include "contact_sheet.h"

#include <QPainter>
#include <algorithm>

#include "pixel_font.h"
#include "to_image.h"

namespace {

constexpr int kZoom = 4;
constexpr int kGap = 16;
constexpr int kLabelWidth = 200;

QImage Tiled(const Canvas& tile, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    const QImage source = ToImage(tile, false);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, source.pixel(x % tile.width(), y % tile.height()));
    return image;
}

QImage Label(const std::string& text)
{
    Canvas canvas(kLabelWidth / 2, 10, kWhite);
    DrawText(canvas, 2, 1, text, {});
    return ToImage(canvas, false).scaled(kLabelWidth, 20);
}

}  // namespace

QImage ContactSheet(const std::vector<Picture>& pictures, const Canvas& tile)
{
    int widest = 0;
    int height = kGap;
    for (const Picture& p : pictures) {
        widest = std::max(widest, p.canvas.width());
        height += p.canvas.height() * kZoom + kGap;
    }
    const int panel = widest * kZoom + kGap;
    const int tiled = tile.width() * 3 * kZoom;
    height += tile.height() * 3 * kZoom + kGap;
    QImage sheet(std::max(kLabelWidth + 3 * panel, tiled) + kGap, height, QImage::Format_ARGB32);
    sheet.fill(qRgb(255, 255, 255));

    QPainter painter(&sheet);
    int y = kGap;
    for (const Picture& p : pictures) {
        const QSize zoomed(p.canvas.width() * kZoom, p.canvas.height() * kZoom);
        const QImage cut = ToImage(p.canvas, true).scaled(zoomed);
        const QImage raw = ToImage(p.canvas, false).scaled(zoomed);
        painter.drawImage(0, y, Label(p.name));
        int x = kLabelWidth;
        painter.fillRect(x, y, zoomed.width(), zoomed.height(), QColor(192, 192, 192));
        painter.drawImage(x, y, cut);
        x += panel;
        painter.drawImage(x, y, raw);
        x += panel;
        painter.drawImage(x, y, Tiled(tile, p.canvas.width(), p.canvas.height()).scaled(zoomed));
        painter.drawImage(x, y, cut);
        y += zoomed.height() + kGap;
    }
    painter.drawImage(
        0, y,
        Tiled(tile, tile.width() * 3, tile.height() * 3).scaled(tiled, tile.height() * 3 * kZoom));
    return sheet;
}
