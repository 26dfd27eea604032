#pragma once

#include <QImage>
#include <QString>

// The four pictures of a picture button: caption + "U" (up), "D" (down), "F" (focused) and
// "X" (disabled), RGB32. A missing picture is a null image and is not used.
struct CellPictures {
    QImage up;
    QImage down;
    QImage focused;
    QImage disabled;
};

// Looks the four names up in the program's pictures, without regard to case.
CellPictures LoadCellPictures(const QString& caption);
