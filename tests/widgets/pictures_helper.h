#pragma once

#include <QImage>
#include <QWidget>
#include <string>

#include "assets/pictures.h"

// The program's picture of that name in a comparable format; a null image when missing.
inline QImage ProgramPicture(const std::string& name)
{
    QImage picture;
    if (!LoadPicture(name, &picture))
        return {};
    return picture.convertToFormat(QImage::Format_RGB32);
}

inline QImage Painted(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
