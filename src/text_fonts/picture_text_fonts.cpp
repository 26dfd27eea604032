#include "text_fonts/picture_text_fonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "base/language.h"

namespace {

// The deepest glyphs, hinting may push them a row below the font's descent.
const QString kDeep = QStringLiteral("gjpqy_|(),;Q\u00C7\u0104\u0118");

// The alphabets the language whose accented capitals are `marks` writes its texts in, each in
// both cases: Latin with the digits, which every language's texts show (the game's name, the
// copyright line), and Cyrillic where the marks are; the marked letters join their script's.
QStringList AlphabetsOf(const QString& marks)
{
    const auto run = [](char16_t first, char16_t last) {
        QString letters;
        for (char16_t letter = first; letter <= last; ++letter)
            letters += QChar(letter);
        return letters + letters.toUpper();
    };
    const QString marked = marks + marks.toLower();
    if (!marks.isEmpty() && marks.front().script() == QChar::Script_Cyrillic)
        return {run(u'a', u'z') + QStringLiteral("0123456789"), run(u'\u0430', u'\u044F') + marked};
    return {run(u'a', u'z') + QStringLiteral("0123456789") + marked};
}

// An alphabet, and the most pixels a font may set it in.
struct Alphabet {
    QString letters;
    double widest;
};

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

// Whether each letter of `letters` that bears a diaeresis shows it in `font` as two dots: the
// ink the mark adds above its bare letter falls in two pieces at least.
bool DiaeresesApart(const QFont& font, const QString& letters)
{
    const int size = 3 * std::max(font.pixelSize(), 1);
    const auto drawn = [&](const QString& text) {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(font.pixelSize(), 2 * font.pixelSize()), text);
        return image;
    };
    for (const QChar letter : letters) {
        const QString parts = letter.decomposition();
        if (parts.size() != 2 || parts.at(1) != QChar(0x0308))
            continue;
        const QImage marked = drawn(QString(letter));
        const QImage bare = drawn(parts.left(1));
        int top = 0;
        while (top < size && std::all_of(reinterpret_cast<const QRgb*>(bare.constScanLine(top)),
                                         reinterpret_cast<const QRgb*>(bare.constScanLine(top)) + size,
                                         [](QRgb pixel) { return pixel == qRgb(255, 255, 255); }))
            ++top;
        QImage mark(marked.size(), QImage::Format_RGB32);
        mark.fill(Qt::white);
        for (int y = 0; y < top; ++y)
            for (int x = 0; x < size; ++x)
                if (marked.pixel(x, y) != bare.pixel(x, y))
                    mark.setPixel(x, y, qRgb(0, 0, 0));
        int pieces = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                if (mark.pixel(x, y) != qRgb(0, 0, 0))
                    continue;
                ++pieces;
                std::vector<QPoint> open{{x, y}};
                mark.setPixel(x, y, qRgb(255, 255, 255));
                while (!open.empty()) {
                    const QPoint p = open.back();
                    open.pop_back();
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            const QPoint q = p + QPoint(dx, dy);
                            if (mark.rect().contains(q) && mark.pixel(q) == qRgb(0, 0, 0)) {
                                mark.setPixel(q, qRgb(255, 255, 255));
                                open.push_back(q);
                            }
                        }
                }
            }
        if (pieces < 2)
            return false;
    }
    return true;
}

CellFont WithSize(QFont font, int pixels)
{
    font.setPixelSize(pixels);
    return {font, 0};
}

// "Arial" as fontconfig matches it, at the largest pixel size that fits the cell: the same
// cell whatever face the machine has for the name. The cell's top row is kept clear, so a mark
// over a capital never meets the descenders of the line above, and the diaereses of `marked`
// show as two dots, where that costs at most one pixel size; the clear row comes first. The
// largest size is one that sets each of `alphabets` within its widest.
CellFont FontForCell(int cellHeight, QFont::Weight weight, const QString& sample, const QString& marked,
                     const std::vector<Alphabet>& alphabets)
{
    QFont font(QStringLiteral("Arial"));
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Glyph edges blended with the key colour would leave a fringe of it round the text
    // wherever the tile shows through: every text pixel is either the text colour or not drawn.
    font.setStyleStrategy(QFont::NoAntialias);
    // Glyphs hinted to the pixel grid and set at their hinted, whole-pixel advances: with the
    // desktop's usual slight hinting each glyph is drawn hinted but placed at its unhinted
    // advance, and rounding those apart opens gaps inside words as wide as a space.
    font.setHintingPreference(QFont::PreferFullHinting);
    CellFont inside = WithSize(font, 1);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        inside = WithSize(font, pixels);
        const QFontMetrics metrics(inside.font);
        if (std::any_of(alphabets.begin(), alphabets.end(), [&](const Alphabet& alphabet) {
                return metrics.horizontalAdvance(alphabet.letters) > alphabet.widest;
            }))
            continue;
        if (const std::optional<int> drop = DropInCell(inside.font, cellHeight, sample, 0)) {
            inside.drop = *drop;
            break;
        }
    }
    const int largest = inside.font.pixelSize();
    for (const bool dots : {true, false})
        for (const int pixels : {largest, largest - 1}) {
            CellFont clear = WithSize(font, std::max(pixels, 1));
            const std::optional<int> drop = DropInCell(clear.font, cellHeight, sample, 1);
            if (drop && (!dots || DiaeresesApart(clear.font, marked))) {
                clear.drop = *drop;
                return clear;
            }
        }
    return inside;
}

using CellFonts = std::array<CellFont, 4>;

const CellFont& Cell(TextFont font, double scale);

// At a scale other than 1 a kind's font sets each of the language's alphabets no wider than its
// font at 1 scaled: hinting rounds each glyph's advance to whole pixels, and some sizes round a script
// narrow and others wide, so the largest size the device's rows hold could set a line more than
// the scale wider, and cut a line whole at 100 %.
CellFonts FontsFor(Language language, double scale)
{
    const std::string_view capitals = AccentedCapitals(language);
    const QString marks = QString::fromUtf8(capitals.data(), static_cast<qsizetype>(capitals.size()));
    const QString sample = kDeep + marks;
    const QString marked = marks + marks.toLower();
    const auto font = [&](TextFont kind, QFont::Weight weight) {
        std::vector<Alphabet> alphabets;
        for (const QString& letters : AlphabetsOf(marks))
            alphabets.push_back({letters, scale == 1.0 ? std::numeric_limits<double>::infinity()
                                                       : scale * QFontMetrics(Cell(kind, 1.0).font).horizontalAdvance(letters)});
        return FontForCell(PictureTextCellRows(kind, scale), weight, sample, marked, alphabets);
    };
    return {font(TextFont::kLarge, QFont::Bold), font(TextFont::kMedium, QFont::Bold),
            font(TextFont::kSmall, QFont::Bold), font(TextFont::kPlain, QFont::Thin)};
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
