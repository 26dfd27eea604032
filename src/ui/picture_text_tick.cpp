// The scrolling view: one tick fetches a line now and then, moves the content column up by a
// pixel and reveals one more row of the line or picture emerging at the bottom edge.
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstring>

#include "ui/picture_text.h"
#include "ui/windows1252.h"

namespace {

// Moves the column's rows 1 .. H-1 of the image up to rows 0 .. H-2; the bottom row keeps
// its old pixels.
void ScrollColumnUp(QImage& image, const QRect& column)
{
    const QRect part = column.intersected(image.rect());
    if (part.isEmpty())
        return;
    const auto bytes = static_cast<std::size_t>(part.width()) * sizeof(QRgb);
    for (int y = 0; y + 1 < image.height(); ++y) {
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y)) + part.left();
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(y + 1)) + part.left();
        std::memcpy(to, from, bytes);
    }
}

// Fills the part of rect inside the image with colour.
void FillRows(QImage& image, const QRect& rect, QRgb colour)
{
    const QRect part = rect.intersected(image.rect());
    for (int y = part.top(); y <= part.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)) + part.left(), part.width(), colour);
}

// Copies the pixels of from, starting at origin, into the part of rect inside to; rows and
// columns that from does not have are left as they are.
void CopyRows(const QImage& from, QPoint origin, QImage& to, const QRect& rect)
{
    const QRect part = rect.intersected(to.rect());
    const int width = std::min(part.width(), from.width() - origin.x());
    for (int y = part.top(); y <= part.bottom() && width > 0; ++y) {
        const int row = origin.y() + y - part.top();
        if (row < 0 || row >= from.height())
            continue;
        std::memcpy(reinterpret_cast<QRgb*>(to.scanLine(y)) + part.left(),
                    reinterpret_cast<const QRgb*>(from.constScanLine(row)) + origin.x(),
                    static_cast<std::size_t>(width) * sizeof(QRgb));
    }
}

}  // namespace

const QImage& CPictureText::LineStrip(std::string_view text, const TextStyle& style, int width)
{
    const QRgb key = KeyColour();
    const int height = this->height();
    if (m_strip.text == text && m_strip.font == style.font && m_strip.colour == style.colour &&
        m_strip.key == key && m_strip.image.size() == QSize(width, height))
        return m_strip.image;
    m_strip = {std::string(text), style.font, style.colour, key, QImage(width, height, QImage::Format_RGB32)};
    if (m_strip.image.isNull())
        return m_strip.image;
    m_strip.image.fill(key);
    QPainter painter(&m_strip.image);
    painter.setPen(QColor(style.colour));
    m_textLine.Set(FromWindows1252(text), *style.font);
    m_textLine.Draw(painter, m_strip.image.rect());
    return m_strip.image;
}

void CPictureText::Tick()
{
    bool bNewLine = false;
    // Without lines nothing is fetched, so the counter need not move (SetText restarts it).
    if (!m_bPicture && !m_lines.empty()) {
        const int t = m_nTick;
        m_nTick = t + 1;
        if (t % m_nLineHeight == 0) {
            m_nTick = 1;
            std::size_t next = m_posNext.value_or(0);
            if (next >= m_lines.size())
                next = 0;
            m_strLine = m_lines[next];
            bNewLine = m_bFirstPass;
            if (++next == m_lines.size()) {
                m_bFirstPass = false;
                next = 0;
            }
            m_posNext = next;
            m_nScrolled = 0;
        }
    }
    // A fresh canvas replaces whatever the control showed; after that only the column changes.
    const bool fresh = m_bmpCanvas.size() != size();
    QRect column = ContentColumn();
    ScrollStep(column, bNewLine);
    m_rcArea = column;
    if (fresh) {
        update();
    } else if (!m_paintClock.isValid() || m_paintClock.elapsed() >= kFramePeriodMs) {
        // No screen shows more than about 60 frames a second: faster ticks move the text on
        // without repainting each step; the next repaint shows where it has got to.
        update(column);
        m_paintClock.start();
    }
}

QRect CPictureText::ContentColumn() const
{
    const int left = (width() - m_nContentWidth) / 2;
    return QRect(left, 0, m_nContentWidth, height());
}

void CPictureText::WidenColumn(int wanted, QRect& column)
{
    if (wanted <= m_nContentWidth)
        return;
    m_nContentWidth = std::min(wanted, width());
    column = ContentColumn();
}

bool CPictureText::LoadEmergingPicture(std::string_view name, const QRect& column)
{
    QImage picture = LoadRgbPicture(name);
    if (picture.isNull())
        return false;
    m_bmpPicture = std::move(picture);
    m_nPicWidth = m_bmpPicture.width();
    m_nPicHeight = m_bmpPicture.height();
    const int right = column.left() + column.width();
    m_nPicX = right - column.width() / 2 - m_nPicWidth / 2;
    m_nPicY = column.top() + column.height();
    m_bPicture = true;
    return true;
}

void CPictureText::ScrollStep(QRect& column, bool bMeasure)
{
    const int W = width();
    const int H = height();
    if (m_bmpCanvas.isNull() || m_bmpCanvas.size() != size()) {
        m_bmpCanvas = QImage(size(), QImage::Format_RGB32);
        m_bmpCanvas.fill(KeyColour());
        m_bStillView = false;
    }
    if (m_bmpCanvas.isNull())
        return;  // a control of no size has nothing to draw
    if (column.width() > 0)
        ScrollColumnUp(m_bmpCanvas, column);
    if (m_nScrolled <= INT_MAX - m_nStep)
        m_nScrolled += m_nStep;

    // What the line shows: a failing picture line is drawn as text in the surface's defaults.
    TextStyle style = DefaultStyle();
    std::string_view text;
    if (!m_strLine.empty()) {
        const LineClass line = ClassifyLine(m_strLine);
        if (line.kind == LineKind::kPicture) {
            if (!m_bPicture && !LoadEmergingPicture(line.shown, column))
                text = m_strLine;
        } else {
            style = StyleOf(line.kind);
            m_nLineHeight = CellHeightOf(line.kind);
            text = line.shown;
        }
    }

    FillRows(m_bmpCanvas, QRect(0, H - m_nStep, W, m_nStep), KeyColour());
    if (!m_bPicture) {
        if (bMeasure)
            WidenColumn(QFontMetrics(*style.font).horizontalAdvance(FromWindows1252(text)), column);
        const QRect revealed(column.left(), H - m_nScrolled, column.width(), m_nScrolled);
        if (!text.empty() && !revealed.isEmpty()) {
            // The revealed rows hold this line alone, top-aligned in them: the top rows of the
            // line as drawn once, on the key colour, into a strip as wide as the column.
            const QImage& strip = LineStrip(text, style, column.width());
            CopyRows(strip, QPoint(0, 0), m_bmpCanvas, revealed);
        }
        return;
    }
    QPainter painter(&m_bmpCanvas);
    if (bMeasure)
        WidenColumn(m_nPicWidth, column);
    const int rows = std::min(m_nScrolled, m_nPicHeight);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(m_nPicX, m_nPicY - m_nScrolled), m_bmpPicture,
                      QRect(0, 0, m_nPicWidth, rows));
    if (m_nScrolled > m_nPicHeight) {
        m_bmpPicture = QImage();
        m_bPicture = false;
        m_nScrolled = 0;
        m_strLine.clear();
        m_nTick = 1;
    }
}
