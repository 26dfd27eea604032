// The scrolling view's pixels: each tick moves the content column of the canvas up by a design
// pixel, whole device rows of it (picture_control/device_grid.h), and reveals one more row of
// the line or picture emerging at the bottom edge.
#include <algorithm>
#include <cstring>

#include "picture_control/picture_text.h"
#include "picture_text/pixel_rows.h"

namespace {

// Moves the column's rows rows .. H-1 of the image up to rows 0 .. H-1-rows; the bottom rows
// keep their old pixels. Given which rows hold ink in the column, rows of the key colour alone
// that would take the key colour alone are left as they are.
void ScrollColumnUp(QImage& image, const QRect& column, int rows, const std::vector<PixelSpan>* ink)
{
    const QRect part = column.intersected(image.rect());
    if (part.isEmpty() || rows <= 0)
        return;
    const auto bytes = static_cast<std::size_t>(part.width()) * sizeof(QRgb);
    uchar* const bits = image.bits();
    const auto stride = static_cast<std::size_t>(image.bytesPerLine());
    const auto empty = [ink](int y) { return (*ink)[static_cast<std::size_t>(y)].IsEmpty(); };
    for (int y = 0; y + rows < image.height(); ++y) {
        if (ink != nullptr && empty(y) && empty(y + rows))
            continue;
        auto* to = reinterpret_cast<QRgb*>(bits + static_cast<std::size_t>(y) * stride) + part.left();
        std::memcpy(to, to + static_cast<std::size_t>(rows) * stride / sizeof(QRgb), bytes);
    }
}

void FillRows(QImage& image, int top, QRgb colour)
{
    for (int y = std::max(top, 0); y < image.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), image.width(), colour);
}

// Copies the pixels of from, its top-left corner at rect's, into the part of rect that both
// to and from have; the rest of to is left as it is. Rows that already hold those pixels are
// left alone; changed(y) is called for each row of to that it altered.
template <typename Changed>
void CopyRows(const QImage& from, QImage& to, const QRect& rect, Changed changed)
{
    const QRect part = rect.intersected(to.rect()).intersected(QRect(rect.topLeft(), from.size()));
    const auto bytes = static_cast<std::size_t>(part.width()) * sizeof(QRgb);
    for (int y = part.top(); y <= part.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(to.scanLine(y)) + part.left();
        const auto* source = reinterpret_cast<const QRgb*>(from.constScanLine(y - rect.top())) + (part.left() - rect.left());
        if (std::memcmp(row, source, bytes) == 0)
            continue;
        std::memcpy(row, source, bytes);
        changed(y);
    }
}

}  // namespace

void CPictureText::FindInk(int top, int bottom)
{
    const QRgb key = KeyColour();
    const QRect column = m_rcArea.intersected(m_bmpCanvas.rect());
    for (int y = std::max(top, 0); y < std::min(bottom, m_bmpCanvas.height()); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(m_bmpCanvas.constScanLine(y)) + column.left();
        const PixelSpan ink = SpanOtherThan(row, column.width(), key);
        m_inkRows[static_cast<std::size_t>(y)] = {column.left() + ink.left, column.left() + ink.right};
    }
}

bool CPictureText::ApplyTick(const TickDraw& draw)
{
    if (draw.freshCanvas) {
        m_grid = CDeviceGrid(m_grid.Scale());
        m_bmpCanvas = QImage(m_grid.Size(size()), QImage::Format_RGB32);
        m_bmpCanvas.fill(KeyColour());
        m_inkRows.assign(static_cast<std::size_t>(std::max(m_bmpCanvas.height(), 0)), PixelSpan{});
    }
    const auto device = [this](const PixelRect& rect) {
        return m_grid.Rect(rect.left, rect.top, rect.Width(), rect.Height());
    };
    // The column takes the device column its right edge covers in part: a picture's last
    // column of pixels stands there, and scrolls with the rest.
    const QRect column = device(draw.column).adjusted(0, 0, m_grid.XCovered(draw.column.right) - m_grid.X(draw.column.right), 0);
    const bool widened = column != m_rcArea;
    m_rcArea = column;
    QImage* canvas = Canvas();
    if (canvas == nullptr)
        return draw.freshCanvas;  // a control of no size has nothing to draw
    const int H = canvas->height();
    // Ticks given to a still view scroll it on: its rows are learnt first.
    const bool unknown = m_inkRows.size() != static_cast<std::size_t>(H);
    if (unknown)
        m_inkRows.assign(static_cast<std::size_t>(H), PixelSpan{});
    int moved = 0;
    if (!draw.scroll.IsEmpty()) {
        // The rows' ink is known for this column unless it has just changed.
        const bool known = !unknown && !widened && draw.scroll == draw.column;
        moved = std::min(m_grid.Scroll(), H);
        ScrollColumnUp(*canvas, QRect(QPoint(m_grid.X(draw.scroll.left), 0), QPoint(m_grid.XCovered(draw.scroll.right) - 1, H - 1)),
                       moved, known ? &m_inkRows : nullptr);
        std::copy(m_inkRows.begin() + moved, m_inkRows.end(), m_inkRows.begin());
    }
    // The bottom row and the rows that came up from below the canvas are the key colour
    // until revealed.
    const int cleared = std::clamp(std::min(H - moved, m_grid.Y(height() - 1)), 0, H);
    FillRows(*canvas, cleared, KeyColour());
    std::fill(m_inkRows.begin() + cleared, m_inkRows.end(), PixelSpan{});
    // Most revealed rows were revealed a tick ago and scrolled into place since: only the
    // rows a copy alters have their ink measured again.
    const auto measure = [this](int y) { FindInk(y, y + 1); };
    if (draw.reveal == TickDraw::Reveal::kText) {
        // The revealed rows hold this line alone, top-aligned in them: the top rows of the
        // line as drawn once, on the key colour, into a strip as wide as the column.
        const QRect drawn = device(draw.revealed);
        const QImage& strip = m_strip.Draw(draw.text, draw.style, KeyColour(), QSize(drawn.width(), H), m_grid.Scale());
        CopyRows(strip, *canvas, drawn, measure);
    } else if (draw.reveal == TickDraw::Reveal::kPicture) {
        const QImage& picture = Picture(draw.picture);
        const DeviceArt art = PictureOnDevice(draw.picture, m_grid.Exact(draw.pictureX, draw.pictureY));
        const int bottom = m_grid.Y(draw.pictureY + std::min(draw.rows, picture.height()));
        const QRect revealed(art.deviceTopLeft, QSize(art.pixels.width(), bottom - art.deviceTopLeft.y()));
        CopyRows(art.pixels, *canvas, revealed, measure);
    }
    if (widened || unknown)
        FindInk(0, H);
    return draw.freshCanvas;
}