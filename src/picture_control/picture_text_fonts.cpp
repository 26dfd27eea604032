#include "picture_control/picture_text_fonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "base/language.h"

namespace {

// The deepest glyphs, hinting may push them a row below the font's descent.
const QString kDeep = QStringLiteral("gjpqy_|(),;Q\u00C7\u0104\u0118");

struct CellFont {
    QFont font;
    int drop = 0;
};

// The rows lines in font must be drawn below the top of a cellHeight cell for the ink of
// sample to stay inside it with its top `clear` rows empty; none when the line height or the
// ink is too tall.
std::optional<int> DropInCell(const QFont& font, int cellHeight, const QString& sample, int clear)
{
    const QFontMetrics metrics(font);
    if (metrics.height() > cellHeight)
        return std::nullopt;
    const int margin = font.pixelSize();
    QImage image(metrics.horizontalAdvance(sample) + 2 * margin, cellHeight + 2 * margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(margin, margin + metrics.ascent()), sample);
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
    const int drop = std::max(0, clear - top);
    if (bottom + drop >= cellHeight)
        return std::nullopt;
    return drop;
}

CellFont WithSize(QFont font, int pixels)
{
    font.setPixelSize(pixels);
    return {font, 0};
}

// "Arial" as fontconfig matches it, at the largest pixel size that fits the cell: the same
// cell whatever face the machine has for the name. The cell's top row is kept clear, so a mark
// over a capital never meets the descenders of the line above, where that costs at most one
// pixel size; otherwise the marks may stand in it.
CellFont FontForCell(int cellHeight, QFont::Weight weight, const QString& sample)
{
    QFont font(QStringLiteral("Arial"));
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Glyph edges blended with the key colour would leave a fringe of it round the text
    // wherever the tile shows through: every text pixel is either the text colour or not drawn.
    font.setStyleStrategy(QFont::NoAntialias);
    CellFont inside = WithSize(font, 1);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        inside = WithSize(font, pixels);
        if (const std::optional<int> drop = DropInCell(inside.font, cellHeight, sample, 0)) {
            inside.drop = *drop;
            break;
        }
    }
    const int largest = inside.font.pixelSize();
    for (const int pixels : {largest, largest - 1}) {
        CellFont clear = WithSize(font, std::max(pixels, 1));
        if (const std::optional<int> drop = DropInCell(clear.font, cellHeight, sample, 1)) {
            clear.drop = *drop;
            return clear;
        }
    }
    return inside;
}

using CellFonts = std::array<CellFont, 4>;

CellFonts FontsFor(Language language, double scale)
{
    const std::string_view capitals = AccentedCapitals(language);
    const QString sample = kDeep + QString::fromUtf8(capitals.data(), static_cast<qsizetype>(capitals.size()));
    const auto rows = [scale](TextFont kind) { return PictureTextCellRows(kind, scale); };
    return {FontForCell(rows(TextFont::kLarge), QFont::Bold, sample),
            FontForCell(rows(TextFont::kMedium), QFont::Bold, sample),
            FontForCell(rows(TextFont::kSmall), QFont::Bold, sample),
            FontForCell(rows(TextFont::kPlain), QFont::Thin, sample)};
}

// The fonts of the game's language at the scale, made on first use.
const CellFont& Cell(TextFont font, double scale)
{
    static std::map<std::pair<Language, double>, CellFonts> fonts;
    const auto key = std::make_pair(GameLanguage(), scale);
    auto found = fonts.find(key);
    if (found == fonts.end())
        found = fonts.emplace(key, FontsFor(key.first, scale)).first;
    return found->second[static_cast<std::size_t>(font)];
}

}  // namespace

const QFont& PictureTextFont(TextFont font, double scale)
{
    return Cell(font, scale).font;
}

int PictureTextDrop(TextFont font, double scale)
{
    return Cell(font, scale).drop;
}

int PictureTextCellRows(TextFont font, double scale)
{
    // A cell starting anywhere on the device covers at least this many whole rows.
    return static_cast<int>(std::floor(CPictureTextEngine::CellHeightOf(font) * scale + 1e-9));
}
