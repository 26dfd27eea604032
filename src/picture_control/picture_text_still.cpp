// The still view's pixels: the lines the engine lays out, drawn on a new canvas.
#include <QPainter>
#include <cstring>

#include "picture_control/picture_text.h"

namespace {

// Moves the image's top `rows` rows down by `offset` and fills the rows above with colour.
void MoveRowsDown(QImage& image, int rows, int offset, QRgb colour)
{
    const auto bytes = static_cast<std::size_t>(image.bytesPerLine());
    for (int y = rows - 1; y >= 0; --y)
        std::memcpy(image.scanLine(y + offset), image.constScanLine(y), bytes);
    for (int y = 0; y < offset; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), image.width(), colour);
}

}  // namespace

void CPictureText::DrawStillView()
{
    const StillView view = m_engine.LayoutStill();
    m_bmpCanvas = QImage(size(), QImage::Format_RGB32);
    if (m_bmpCanvas.isNull())
        return;
    m_bmpCanvas.fill(KeyColour());
    const int W = width();
    const int H = height();
    QPainter painter(&m_bmpCanvas);
    CTextLine shaped;
    for (const StillView::Item& item : view.items) {
        if (item.picture) {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(QPoint(item.x, item.y), Picture(item.text));
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else {
            painter.setPen(QColor(ToQRgb(item.style.colour)));
            shaped.Set(QString::fromUtf8(item.text), PictureTextFont(item.style.font));
            const int top = item.y + PictureTextDrop(item.style.font);
            shaped.Draw(painter, QRect(0, top, W, H - top));
        }
    }
    painter.end();
    if (view.offset > 0)
        MoveRowsDown(m_bmpCanvas, view.height, view.offset, KeyColour());
}
