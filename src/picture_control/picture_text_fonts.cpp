#include "picture_control/picture_text_fonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>

namespace {

// Whether lines drawn top-aligned in font stay inside cellHeight rows: its line height and
// the ink of its deepest glyphs, which hinting may push a row below the font's descent.
bool FitsCell(const QFont& font, int cellHeight)
{
    const QFontMetrics metrics(font);
    if (metrics.height() > cellHeight)
        return false;
    const QString sample = QStringLiteral("gjpqy_|(),;Q\u00C7");
    const int margin = font.pixelSize();
    QImage image(metrics.horizontalAdvance(sample) + 2 * margin, cellHeight + margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(margin, metrics.ascent()), sample);
    painter.end();
    for (int y = cellHeight; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::any_of(row, row + image.width(), [](QRgb pixel) { return pixel != qRgb(255, 255, 255); }))
            return false;
    }
    return true;
}

// "Arial" as fontconfig matches it, at the largest pixel size that fits the cell: the same
// cell whatever face the machine has for the name.
QFont CellFont(int cellHeight, QFont::Weight weight)
{
    QFont font(QStringLiteral("Arial"));
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Glyph edges blended with the key colour would leave a fringe of it round the text
    // wherever the tile shows through: every text pixel is either the text colour or not drawn.
    font.setStyleStrategy(QFont::NoAntialias);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (FitsCell(font, cellHeight))
            break;
    }
    return font;
}

}  // namespace

const QFont& PictureTextFont(TextFont font)
{
    const auto cell = [](TextFont kind) { return CPictureTextEngine::CellHeightOf(kind); };
    static const std::array<QFont, 4> fonts = {
        CellFont(cell(TextFont::kLarge), QFont::Bold), CellFont(cell(TextFont::kMedium), QFont::Bold),
        CellFont(cell(TextFont::kSmall), QFont::Bold), CellFont(cell(TextFont::kPlain), QFont::Thin)};
    return fonts[static_cast<std::size_t>(font)];
}

