#include "widgets/style_lines.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/device_art.h"

namespace {

// For each of `device` pixels across, the plain pixel it shows: the edge lines `thick` device
// pixels each from both ends, the middle repeated as thick from the first edge on, so a dotted
// line keeps its rhythm, its last plain pixel carried on where the device has more room.
std::vector<int> PlainSources(int device, int plain, int thick)
{
    const int edge = std::min(kEdgeLines * thick, device / 2);
    const int firstInner = std::min(kEdgeLines, plain / 2);
    const int lastInner = std::max(firstInner, plain - 1 - kEdgeLines);
    std::vector<int> sources(device);
    for (int d = 0; d < device; ++d) {
        if (d < edge)
            sources[d] = std::min(d / thick, plain - 1);
        else if (d >= device - edge)
            sources[d] = std::max(plain - 1 - (device - 1 - d) / thick, 0);
        else
            sources[d] = std::clamp(firstInner + (d - edge) / thick, firstInner, lastInner);
    }
    return sources;
}

// The device pixels of `part` (in the device rectangle's own coordinates) from the plain picture.
QImage Sampled(const QImage& plain, const std::vector<int>& columns, const std::vector<int>& rows, const QRect& part)
{
    QImage out(part.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < part.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(plain.constScanLine(rows[part.top() + y]));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            to[x] = from[columns[part.left() + x]];
    }
    return out;
}

}  // namespace

void DrawStyleLines(QPainter& painter, const QRect& rect, const std::function<void(QPainter& plain)>& draw)
{
    const qreal scale = PainterScale(painter);
    if (rect.isEmpty() || std::abs(scale - 1) < 1e-6) {
        draw(painter);
        return;
    }
    QImage plain(rect.size(), QImage::Format_ARGB32_Premultiplied);
    plain.fill(Qt::transparent);
    {
        QPainter one(&plain);
        one.setFont(painter.font());
        one.setBackground(painter.background());
        one.setLayoutDirection(painter.layoutDirection());
        one.translate(-rect.topLeft());
        draw(one);
    }

    painter.save();
    const QTransform toDevice = PaintOnDevicePixels(painter);
    const QPointF topLeft = toDevice.map(QPointF(rect.topLeft()));
    const QPointF bottomRight = toDevice.map(QPointF(rect.x() + rect.width(), rect.y() + rect.height()));
    const QRect device(QPoint(qRound(topLeft.x()), qRound(topLeft.y())),
                       QPoint(qRound(bottomRight.x()) - 1, qRound(bottomRight.y()) - 1));
    const int thick = std::max(1, qRound(scale));
    const std::vector<int> columns = PlainSources(device.width(), rect.width(), thick);
    const std::vector<int> rows = PlainSources(device.height(), rect.height(), thick);
    // Only the edges are sampled pixel by pixel; the plain middle is stretched in one go.
    const int edgeX = std::min(kEdgeLines * thick, device.width() / 2);
    const int edgeY = std::min(kEdgeLines * thick, device.height() / 2);
    const QRect inner = QRect(QPoint(0, 0), device.size()).adjusted(edgeX, edgeY, -edgeX, -edgeY);
    const QRect parts[] = {QRect(0, 0, device.width(), edgeY),
                           QRect(0, device.height() - edgeY, device.width(), edgeY),
                           QRect(0, edgeY, edgeX, inner.height()),
                           QRect(device.width() - edgeX, edgeY, edgeX, inner.height())};
    for (const QRect& part : parts) {
        if (!part.isEmpty())
            painter.drawImage(device.topLeft() + part.topLeft(), Sampled(plain, columns, rows, part));
    }
    const QRect plainInner = plain.rect().adjusted(kEdgeLines, kEdgeLines, -kEdgeLines, -kEdgeLines);
    if (!inner.isEmpty() && !plainInner.isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(inner.translated(device.topLeft()), plain, plainInner);
    }
    painter.restore();
}
