#include "picture_control/picture_text_fonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <optional>

namespace {

// Accented capitals of the languages the game speaks, and the deepest glyphs.
const QString kTallAndDeep = QStringLiteral(
    "gjpqy_|(),;Q\u00C7\u0104\u0118"
    "\u00C0\u00C1\u00C2\u00C4\u00C8\u00C9\u00CA\u00CB\u00CE\u00CF\u00CD\u00D1\u00D3\u00D4\u00D6"
    "\u00D9\u00DA\u00DB\u00DC\u0106\u0143\u015A\u0179\u017B\u0178");

struct CellFont {
    QFont font;
    int drop = 0;
};

// The rows lines in font must be drawn below the top of a cellHeight cell for the ink of its
// tallest accented capitals and deepest glyphs (hinting may push either past the font's ascent
// or descent) to stay inside it; none when the line height or the ink is taller than the cell.
std::optional<int> DropInCell(const QFont& font, int cellHeight)
{
    const QFontMetrics metrics(font);
    if (metrics.height() > cellHeight)
        return std::nullopt;
    const int margin = font.pixelSize();
    QImage image(metrics.horizontalAdvance(kTallAndDeep) + 2 * margin, cellHeight + 2 * margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(margin, margin + metrics.ascent()), kTallAndDeep);
    painter.end();
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::any_of(row, row + image.width(), [](QRgb pixel) { return pixel != qRgb(255, 255, 255); })) {
            top = std::min(top, y - margin);
            bottom = y - margin;
        }
    }
    const int drop = std::max(0, -top);
    if (bottom + drop >= cellHeight)
        return std::nullopt;
    return drop;
}

// "Arial" as fontconfig matches it, at the largest pixel size that fits the cell: the same
// cell whatever face the machine has for the name.
CellFont FontForCell(int cellHeight, QFont::Weight weight)
{
    CellFont cell{QFont(QStringLiteral("Arial"))};
    QFont& font = cell.font;
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Glyph edges blended with the key colour would leave a fringe of it round the text
    // wherever the tile shows through: every text pixel is either the text colour or not drawn.
    font.setStyleStrategy(QFont::NoAntialias);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (const std::optional<int> drop = DropInCell(font, cellHeight)) {
            cell.drop = *drop;
            break;
        }
    }
    return cell;
}

const CellFont& Cell(TextFont font)
{
    const auto height = [](TextFont kind) { return CPictureTextEngine::CellHeightOf(kind); };
    static const std::array<CellFont, 4> cells = {
        FontForCell(height(TextFont::kLarge), QFont::Bold), FontForCell(height(TextFont::kMedium), QFont::Bold),
        FontForCell(height(TextFont::kSmall), QFont::Bold), FontForCell(height(TextFont::kPlain), QFont::Thin)};
    return cells[static_cast<std::size_t>(font)];
}

}  // namespace

const QFont& PictureTextFont(TextFont font)
{
    return Cell(font).font;
}

int PictureTextDrop(TextFont font)
{
    return Cell(font).drop;
}
