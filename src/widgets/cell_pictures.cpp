#include "widgets/cell_pictures.h"

#include <QHash>
#include <QImage>

#include "assets/pictures.h"

namespace {

// The 95 buttons share a handful of pictures: each is converted once and shared.
QPixmap Load(const QString& name)
{
    static QHash<QString, QPixmap> cache;
    const QString key = name.toUpper();
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    QImage image;
    QPixmap pixmap;
    if (LoadPicture(key.toStdString(), &image)) {
        pixmap = QPixmap::fromImage(image);
        // Drawn at one picture pixel per device-independent pixel, whatever the screen.
        pixmap.setDevicePixelRatio(1.0);
    }
    cache.insert(key, pixmap);
    return pixmap;
}

}  // namespace

CellPictures LoadCellPictures(const QString& caption)
{
    return {Load(caption + 'U'), Load(caption + 'D'), Load(caption + 'F'), Load(caption + 'X')};
}
