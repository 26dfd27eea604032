#include "window_art.h"

#include <algorithm>
#include <vector>

#include "art_on_device.h"
#include "board_view.h"

using namespace board_view;

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
        const QString where = QStringLiteral("art at (%1, %2): ").arg(s.at.x()).arg(s.at.y());
        if (measured.pixels == 0)
            result.faults << where + QStringLiteral("not on the screen");
        else if (measured.wrong > 0)
            result.faults << where + measured.firstWrong;
    }
    return result;
}
