#pragma once

#include <QPixmap>
#include <QString>

// The four pictures of a picture button: caption + "U" (up), "D" (down), "F" (focused) and
// "X" (disabled). A missing picture is a null pixmap and is not used.
struct CellPictures {
    QPixmap up;
    QPixmap down;
    QPixmap focused;
    QPixmap disabled;
};

// Looks the four names up in the program's pictures, without regard to case.
CellPictures LoadCellPictures(const QString& caption);
