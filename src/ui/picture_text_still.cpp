// The still view: the text laid out once from its first line, as far as it fits, centred
// vertically when it is shorter than the control. It works on locals only, so a paint never
// changes what scrolling resumes with.
#include <QPainter>
#include <cstring>

#include "ui/picture_text.h"
#include "ui/text_line.h"
#include "ui/windows1252.h"

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
    if (!m_bmpCanvas.isNull() && m_bmpCanvas.size() == size())
        return;  // a frozen frame, or the still view already drawn
    const int W = width();
    const int H = height();
    m_bmpCanvas = QImage(size(), QImage::Format_RGB32);
    if (m_bmpCanvas.isNull())
        return;
    m_bmpCanvas.fill(KeyColour());
    m_bStillView = true;

    QPainter painter(&m_bmpCanvas);
    TextStyle style = DefaultStyle();
    CTextLine shaped;
    int y = 0;
    for (const std::string& line : m_lines) {
        if (y > H)
            break;
        const LineClass classed = ClassifyLine(line);
        std::string_view text = classed.shown;
        if (classed.kind == LineKind::kPicture) {
            const QImage picture = LoadRgbPicture(classed.shown);
            if (!picture.isNull()) {
                painter.setCompositionMode(QPainter::CompositionMode_Source);
                painter.drawImage(QPoint(W - W / 2 - picture.width() / 2, y), picture);
                painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
                y += picture.height();
                continue;
            }
            text = line;  // drawn as text with its marker, in the style in effect
        } else if (classed.kind != LineKind::kBlank) {
            style = StyleOf(classed.kind);
        }
        if (!text.empty()) {
            painter.setPen(QColor(style.colour));
            shaped.Set(FromWindows1252(text), *style.font);
            shaped.Draw(painter, QRect(0, y, W, H - y));
        }
        // A blank line or a marker alone takes the height of one character in the font.
        y += QFontMetrics(*style.font).height();
    }
    painter.end();
    if (y > 0 && y < H)
        MoveRowsDown(m_bmpCanvas, y, (H - y) / 2, KeyColour());
}
