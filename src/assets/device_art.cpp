#include "assets/device_art.h"

#include <QPainter>
#include <cmath>
#include <vector>

namespace {

// The share of device pixel d that each art pixel covers along one axis: art pixel i spans
// [origin + i * scale, origin + (i + 1) * scale).
struct Share {
    int art;
    double weight;
};

std::vector<std::vector<Share>> SharesOf(int artPixels, double scale, double origin, int first, int count)
{
    std::vector<std::vector<Share>> shares(static_cast<std::size_t>(count));
    for (int d = 0; d < count; ++d) {
        const double left = first + d, right = left + 1.0;
        const int from = std::max(0, static_cast<int>(std::floor((left - origin) / scale)));
        const int to = std::min(artPixels - 1, static_cast<int>(std::floor((right - origin) / scale)));
        for (int i = from; i <= to; ++i) {
            const double covered =
                std::min(right, origin + (i + 1) * scale) - std::max(left, origin + i * scale);
            if (covered > 1e-9)
                shares[static_cast<std::size_t>(d)].push_back({i, covered});
        }
    }
    return shares;
}

}  // namespace

DeviceArt ScaleArt(const QImage& art, qreal scale, QPointF origin)
{
    if (art.isNull())
        return {};
    const QImage source = art.convertToFormat(QImage::Format_RGB32);
    const int left = static_cast<int>(std::floor(origin.x()));
    const int top = static_cast<int>(std::floor(origin.y()));
    const int right = static_cast<int>(std::ceil(origin.x() + source.width() * scale));
    const int bottom = static_cast<int>(std::ceil(origin.y() + source.height() * scale));
    const auto columns = SharesOf(source.width(), scale, origin.x(), left, right - left);
    const auto rows = SharesOf(source.height(), scale, origin.y(), top, bottom - top);

    QImage out(right - left, bottom - top, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            double red = 0, green = 0, blue = 0, total = 0;
            for (const Share& row : rows[static_cast<std::size_t>(y)]) {
                const auto* artLine = reinterpret_cast<const QRgb*>(source.constScanLine(row.art));
                for (const Share& column : columns[static_cast<std::size_t>(x)]) {
                    const double weight = row.weight * column.weight;
                    const QRgb colour = artLine[column.art];
                    red += weight * qRed(colour);
                    green += weight * qGreen(colour);
                    blue += weight * qBlue(colour);
                    total += weight;
                }
            }
            line[x] = qRgb(static_cast<int>(std::lround(red / total)),
                           static_cast<int>(std::lround(green / total)),
                           static_cast<int>(std::lround(blue / total)));
        }
    }
    return {out, QPoint(left, top)};
}

qreal PainterScale(const QPainter& painter)
{
    // From the transform rather than the device: a widget rendered into an image of another
    // scale is the painter's device, the image's scale is in the transform.
    return painter.deviceTransform().m11();
}

bool IsWholeScale(qreal scale)
{
    return std::abs(scale - std::round(scale)) < 1e-6;
}

QTransform PaintOnDevicePixels(QPainter& painter)
{
    // The device transform takes logical positions to device pixels; drawing through its
    // inverse puts one unit on one device pixel.
    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    return toDevice;
}

void DrawArt(QPainter& painter, QPoint at, const QImage& art)
{
    const qreal scale = PainterScale(painter);
    if (IsWholeScale(scale)) {
        painter.drawImage(QRect(at, art.size()), art);
        return;
    }
    painter.save();
    const QTransform toDevice = PaintOnDevicePixels(painter);
    const DeviceArt scaled = ScaleArt(art, scale, toDevice.map(QPointF(at)));
    painter.drawImage(scaled.deviceTopLeft, scaled.pixels);
    painter.restore();
}
