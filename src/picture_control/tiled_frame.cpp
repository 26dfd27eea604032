#include "picture_control/tiled_frame.h"

#include <cmath>
#include <cstddef>
#include <cstring>

#include "assets/device_art.h"
#include "picture_text/pixel_rows.h"

void CTiledFrame::SetTile(const QImage& tile)
{
    m_bmpBack = tile;
    m_nBackWidth = tile.width();
    m_nBackHeight = tile.height();
    m_imgTiled = QImage();
}

void CTiledFrame::SetScale(double scale)
{
    m_scale = scale;
    m_imgTiled = QImage();
}

void CTiledFrame::TileBackground(QSize size)
{
    // The tile repeated over the design pixels the device size covers, then scaled as a whole,
    // so the tile's pixels meet across its repeats as they do inside it.
    const QSize design(static_cast<int>(std::ceil(size.width() / m_scale)), static_cast<int>(std::ceil(size.height() / m_scale)));
    QImage tiled(design, QImage::Format_RGB32);
    for (int y = 0; y < tiled.height(); ++y) {
        const auto* tileRow = reinterpret_cast<const QRgb*>(m_bmpBack.constScanLine(y % m_nBackHeight));
        auto* row = reinterpret_cast<QRgb*>(tiled.scanLine(y));
        for (int x = 0; x < tiled.width(); ++x)
            row[x] = tileRow[x % m_nBackWidth];
    }
    m_imgTiled = m_scale == 1.0 ? tiled : ScaleArt(tiled, m_scale, QPointF(0, 0)).pixels.copy(QRect(QPoint(0, 0), size));
}

const QImage& CTiledFrame::Compose(const QImage* canvas, QSize size, QRgb key, const QRect& area,
                                   const QRegion& region)
{
    if (m_bmpBack.isNull()) {
        // No tile: the canvas as it is, the key colour included.
        if (canvas == nullptr || canvas->size() != size) {
            m_imgFrame = QImage(size, QImage::Format_RGB32);
            m_imgFrame.fill(key);
            return m_imgFrame;
        }
        return *canvas;
    }
    bool whole = false;
    if (m_imgTiled.size() != size) {
        TileBackground(size);
        whole = true;
    }
    if (m_imgFrame.size() != size || m_imgFrame.format() != QImage::Format_RGB32) {
        m_imgFrame = QImage(size, QImage::Format_RGB32);
        whole = true;
    }
    if (m_imgFrame.isNull())
        return m_imgFrame;
    const bool withCanvas = canvas != nullptr && canvas->size() == size;
    const QRect part = withCanvas ? area.intersected(m_imgFrame.rect()) : QRect();
    // Outside the area the frame shows the tile alone. The tile is laid anew everywhere only
    // when an earlier composition reached beyond this area; a tick's column never shrinks, so
    // scrolling rebuilds the parts of the column it repaints alone.
    if (whole || part.isEmpty() || !part.contains(m_rcComposed)) {
        std::memcpy(m_imgFrame.bits(), m_imgTiled.constBits(), static_cast<std::size_t>(m_imgFrame.sizeInBytes()));
        m_rcComposed = QRect();
    }
    if (part.isEmpty())
        return m_imgFrame;
    // Row by row from the first row's pixels: scanLine() would check for sharing every row.
    const auto* from = reinterpret_cast<const QRgb*>(canvas->constBits());
    const auto* tile = reinterpret_cast<const QRgb*>(m_imgTiled.constBits());
    auto* to = reinterpret_cast<QRgb*>(m_imgFrame.bits());
    const auto stride = static_cast<std::ptrdiff_t>(m_imgFrame.bytesPerLine() / sizeof(QRgb));
    for (const QRect& rect : region) {
        const QRect piece = rect.intersected(part);
        m_rcComposed |= piece;
        for (int y = piece.top(); y <= piece.bottom(); ++y) {
            const std::ptrdiff_t at = y * stride + piece.left();
            ComposeRow(from + at, tile + at, to + at, piece.width(), key);
        }
    }
    return m_imgFrame;
}
