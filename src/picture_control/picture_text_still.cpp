// The still view's pixels: the lines the engine lays out, drawn on a new canvas.
#include <QPainter>

#include "picture_control/picture_text.h"

void CPictureText::DrawStillView()
{
    const StillView view = m_engine.LayoutStill();
    m_grid = CDeviceGrid(m_grid.Scale());
    m_bmpCanvas = QImage(m_grid.Size(size()), QImage::Format_RGB32);
    m_inkRows.clear();  // unknown until a tick scrolls the still view on
    if (m_bmpCanvas.isNull())
        return;
    m_bmpCanvas.fill(KeyColour());
    const int W = m_bmpCanvas.width();
    const int H = m_bmpCanvas.height();
    QPainter painter(&m_bmpCanvas);
    // The block stands offset rows lower; what the layout puts below it is not shown.
    if (view.offset > 0)
        painter.setClipRect(QRect(0, m_grid.Y(view.offset), W, m_grid.Y(view.offset + view.height) - m_grid.Y(view.offset)));
    CTextLine shaped;
    const double scale = m_grid.Scale();
    for (const StillView::Item& item : view.items) {
        const int y = item.y + view.offset;
        if (item.picture) {
            const DeviceArt art = PictureOnDevice(item.text, m_grid.Exact(item.x, y));
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(art.deviceTopLeft, art.pixels);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else {
            painter.setPen(QColor(ToQRgb(item.style.colour)));
            shaped.Set(QString::fromUtf8(item.text), PictureTextFont(item.style.font, scale));
            const int top = m_grid.Y(y) + PictureTextDrop(item.style.font, scale);
            shaped.Draw(painter, QRect(0, top, W, H - top));
        }
    }
}
