#include "desktop_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

QImage DesktopIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const double rim = std::max(1.0, s / 20.0);
    const QRectF face(rim / 2, rim / 2, s - rim, s - rim);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 232, 0));
    painter.drawEllipse(face);

    // Shadow on the lower right: the face minus the same disc moved up and left.
    QPainterPath shade;
    shade.addEllipse(face);
    QPainterPath lit;
    lit.addEllipse(face.translated(-s / 11, -s / 11));
    painter.setBrush(QColor(214, 168, 0));
    painter.drawPath(shade.subtracted(lit));

    painter.setPen(QPen(QColor(40, 30, 0), rim));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(face);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    const double eye_w = std::max(1.5, s * 0.09);
    const double eye_h = std::max(2.5, s * 0.19);
    painter.drawEllipse(QRectF(s * 0.33 - eye_w / 2, s * 0.26, eye_w, eye_h));
    painter.drawEllipse(QRectF(s * 0.67 - eye_w / 2, s * 0.26, eye_w, eye_h));

    QPen mouth(QColor(20, 20, 20), std::max(1.2, s * 0.075));
    mouth.setCapStyle(Qt::RoundCap);
    painter.setPen(mouth);
    const QRectF arc(s * 0.22, s * 0.18, s * 0.56, s * 0.56);
    painter.drawArc(arc, -20 * 16, -140 * 16);

    if (size >= 32) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawEllipse(QRectF(s * 0.2, s * 0.14, s * 0.12, s * 0.08));
    }
    return image;
}
