#include "widgets/cell_pictures.h"

#include <QHash>
#include <QImage>

#include "assets/pictures.h"

namespace {

// The 95 buttons share a handful of pictures: each is converted once and shared.
QImage Load(const QString& name)
{
    static QHash<QString, QImage> cache;
    const QString key = name.toUpper();
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    QImage image;
    if (LoadPicture(key.toStdString(), &image))
        image = image.convertToFormat(QImage::Format_RGB32);
    cache.insert(key, image);
    return image;
}

}  // namespace

CellPictures LoadCellPictures(const QString& caption)
{
    return {Load(caption + 'U'), Load(caption + 'D'), Load(caption + 'F'), Load(caption + 'X')};
}
