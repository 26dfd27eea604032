#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QTransform>

class QPainter;

// Pixel art drawn by the game itself at the screen's scale, so nothing is left for Qt's or the
// compositor's filters. Each art pixel covers scale x scale device pixels of a grid that starts
// at a device position which may fall between pixels. A device pixel inside one art pixel is
// exactly its colour; one shared by neighbouring art pixels is their mix, each weighed by the
// share of it that it covers, so a one-pixel line is equally thick all along. At a whole scale
// on a whole position this gives exact blocks.
struct DeviceArt {
    QImage pixels;     // device pixels, RGB32, device pixel ratio 1
    QPoint deviceTopLeft;  // where pixels' top-left goes on the device
};

// art's pixels, scale >= 1, its top-left corner at origin in device pixels. Device pixels the
// art only partly covers take the colours of the part it does.
DeviceArt ScaleArt(const QImage& art, qreal scale, QPointF origin);

// The device pixels painter covers with a logical pixel (its transform neither rotates nor
// mirrors), and whether that is a whole number: then Qt's unsmoothed drawing already gives
// exact blocks.
qreal PainterScale(const QPainter& painter);
bool IsWholeScale(qreal scale);

// Makes the painter draw on device pixels, one unit a pixel, with no scale left; returns the
// transform it had from its logical positions to the device, to place things with.
QTransform PaintOnDevicePixels(QPainter& painter);

// Draws art with its top-left at the painter's logical position at: at a whole scale as Qt
// draws it, unsmoothed; at any other, through ScaleArt on the device's own pixel grid.
void DrawArt(QPainter& painter, QPoint at, const QImage& art);
