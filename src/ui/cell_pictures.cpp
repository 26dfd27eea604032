#include "ui/cell_pictures.h"

#include <QImage>

#include "assets/pictures.h"

namespace {

QPixmap Load(const QString& name)
{
    QImage image;
    if (!LoadPicture(name.toStdString(), &image))
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    // Drawn at one picture pixel per device-independent pixel, whatever the screen.
    pixmap.setDevicePixelRatio(1.0);
    return pixmap;
}

}  // namespace

CellPictures LoadCellPictures(const QString& caption)
{
    return {Load(caption + 'U'), Load(caption + 'D'), Load(caption + 'F'), Load(caption + 'X')};
}
