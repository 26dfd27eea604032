#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

// What a picture-text control shows: its canvas over a background tile repeated from the
// top-left corner, in device pixels, every canvas pixel of exactly the key colour letting the tile show through.
// The frame is kept between paints and brought up to date where asked.
class CTiledFrame {
public:
    // The tile, RGB32; a null image for none.
    void SetTile(const QImage& tile);
    // The device scale the frame is composed at: the tile is laid at that scale, its pixels
    // scaled by the frame itself (assets/device_art.h).
    void SetScale(double scale);
    bool HasTile() const { return !m_bmpBack.isNull(); }

    // The frame of size: inside area, the canvas (if it is there and of that size) with the
    // tile through its key colour; outside, the tile alone; brought up to date in region.
    // Without a tile, the canvas as it is, or the key colour alone.
    const QImage& Compose(const QImage* canvas, QSize size, QRgb key, const QRect& area, const QRegion& region);

private:
    void TileBackground(QSize size);

    QImage m_bmpBack;  // the tile
    double m_scale = 1.0;
    int m_nBackWidth = 0, m_nBackHeight = 0;
    QImage m_imgTiled;   // the tile repeated over the client size
    QImage m_imgFrame;   // reused by Compose
    QRect m_rcComposed;  // where m_imgFrame may show more than the tile
};
