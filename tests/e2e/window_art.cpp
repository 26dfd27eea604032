#include "window_art.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <vector>

#include "art_on_device.h"
#include "board_view.h"

using namespace board_view;

namespace {

// The device pixels over a picture shown at origin, its outer edge left out as
// MeasureArtOnDevice leaves it, in a colour the picture does not have.
int ForeignPixels(const QImage& art, const QImage& device, QPointF origin, double scale)
{
    QSet<QRgb> palette;
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            palette.insert(art.pixel(x, y) | 0xff000000u);
    const QRect inside = QRect(QPoint(std::ceil(origin.x()), std::ceil(origin.y())),
                               QPoint(std::floor(origin.x() + art.width() * scale) - 1,
                                      std::floor(origin.y() + art.height() * scale) - 1)) &
                         device.rect();
    int foreign = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            foreign += palette.contains(device.pixel(x, y) | 0xff000000u) ? 0 : 1;
    return foreign;
}

}  // namespace

WindowArt MeasureWindowArt(const QImage& window, double scale)
{
    struct Shown {
        QPoint at;
        QImage art;
    };
    std::vector<Shown> shown{{{PxX(1), PxY(1)}, Picture("HELPU")}, {{PxX(26), PxY(1)}, Picture("SOUNDU")}};
    for (int column = 1; column <= 9; ++column) {
        for (int height = 1; height <= column; ++height) {
            shown.push_back({SmileyCell(column, height), Picture("MYIMAGEU")});
            shown.push_back({MirrorCell(column, height), Picture("IMAGEX")});
        }
    }
    WindowArt result;
    for (const Shown& s : shown) {
        const ArtOnDevice measured = MeasureArtOnDevice(s.art, window, QPointF(s.at) * scale, scale);
        result.pixels += measured.pixels;
        result.mixed += measured.mixed;
        result.wrong += measured.wrong;
        result.widestMix = std::max(result.widestMix, measured.widestMix);
        result.foreign += ForeignPixels(s.art, window, QPointF(s.at) * scale, scale);
        const QString where = QStringLiteral("art at (%1, %2): ").arg(s.at.x()).arg(s.at.y());
        if (measured.pixels == 0)
            result.faults << where + QStringLiteral("not on the screen");
        else if (measured.wrong > 0)
            result.faults << where + measured.firstWrong;
    }
    return result;
}
