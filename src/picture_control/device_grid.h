#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <cmath>
#include <cstdint>

// Where a picture text's design pixels fall on the device at a scale. Columns go to
// floor(x * scale). Rows scroll: after p ticks of one row each since the canvas was made,
// design row y stands at floor((y + p) * scale) - floor(p * scale), so content moves by whole
// device rows, floor((p + 1) * scale) - floor(p * scale) a tick, the remainder carried to the
// next, and a page takes as long at every scale. At a whole scale k every design pixel is a
// k x k block; at scale 1 the grid is the design pixels themselves.
class CDeviceGrid {
public:
    explicit CDeviceGrid(double scale = 1.0) : m_scale(scale) {}

    double Scale() const { return m_scale; }
    // One more tick has scrolled the canvas; returns the device rows it moved.
    int Scroll()
    {
        const int rows = Floor((m_ticks + 1) * m_scale) - Floor(m_ticks * m_scale);
        ++m_ticks;
        return rows;
    }

    int X(int x) const { return Floor(x * m_scale); }
    // The end of the device columns left of design column x, one it covers only in part
    // included: where the right edge of art placed between pixels stands.
    int XCovered(int x) const { return Ceil(x * m_scale); }
    int Y(int y) const { return Floor((y + m_ticks) * m_scale) - Floor(m_ticks * m_scale); }
    // The exact device position of design point (x, y), for art placed between pixels.
    QPointF Exact(int x, int y) const { return {x * m_scale, (y + m_ticks) * m_scale - Floor(m_ticks * m_scale)}; }
    QRect Rect(int left, int top, int width, int height) const
    {
        return QRect(QPoint(X(left), Y(top)), QPoint(X(left + width) - 1, Y(top + height) - 1));
    }
    // The device pixels a control of that design size covers.
    QSize Size(QSize design) const { return {Ceil(design.width() * m_scale), Ceil(design.height() * m_scale)}; }
    // Device rectangles to design ones and back, each grown to whole pixels of the other.
    QRect ToDesign(const QRect& device) const
    {
        return QRect(QPoint(Floor(device.left() / m_scale), Floor(device.top() / m_scale)),
                     QPoint(Ceil((device.right() + 1) / m_scale) - 1, Ceil((device.bottom() + 1) / m_scale) - 1));
    }
    QRect ToDevice(const QRect& design) const
    {
        return QRect(QPoint(Floor(design.left() * m_scale), Floor(design.top() * m_scale)),
                     QPoint(Ceil((design.right() + 1) * m_scale) - 1, Ceil((design.bottom() + 1) * m_scale) - 1));
    }

private:
    // Whole parts, forgiving the rounding error of a product meant to be whole.
    static int Floor(double v) { return static_cast<int>(std::floor(v + 1e-9)); }
    static int Ceil(double v) { return static_cast<int>(std::ceil(v - 1e-9)); }

    double m_scale;
    std::int64_t m_ticks = 0;
};
