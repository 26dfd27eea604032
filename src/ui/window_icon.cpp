#include "ui/window_icon.h"

#include <QImage>
#include <QPixmap>

#include "assets/pictures.h"

QIcon GameIcon()
{
    QImage image;
    if (!LoadPicture("ICON128", &image))
        return {};
    // The pictures are opaque; magenta marks where the desktop shows through.
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(255, 0, 255);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return QIcon(QPixmap::fromImage(image));
}
