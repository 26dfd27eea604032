#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <ostream>

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

inline void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << "QPoint(" << p.x() << ", " << p.y() << ")";
}

inline void PrintTo(const QSize& s, std::ostream* os)
{
    *os << "QSize(" << s.width() << " x " << s.height() << ")";
}

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// Size and the first pixel that differs from nothing in particular: enough to tell pictures apart.
inline void PrintTo(const QImage& image, std::ostream* os)
{
    *os << "QImage(" << image.width() << " x " << image.height();
    if (!image.isNull())
        *os << ", top-left 0x" << std::hex << image.pixel(0, 0) << ", centre 0x"
            << image.pixel(image.width() / 2, image.height() / 2) << std::dec;
    *os << ")";
}
