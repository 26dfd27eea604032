// Every character the game ships, in every language, every text kind and at every common
// screen scale, is drawn whole inside its line: no ink above the line's top (an accent on a capital) or below its cell (a
// descender). In the help pages' large and medium text the line's top row stays clear too, so
// that a mark over a capital never meets a descender of the line above.
#include <QPainter>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "language_scope.h"
#include "picture_text/markup.h"
#include "picture_text_helper.h"
#include "text_fonts/picture_text_fonts.h"
#include "picture_control/text_line.h"

namespace {

// The rows of ink outside rows [clear, cell) of a line drawn as the control draws it at the
// screen scale: in the rows its cell covers on the device, as far below the cell's top as the
// kind's font asks.
std::string InkOutside(const QString& text, TextFont font, int clear, double scale)
{
    const int cell = PictureTextCellRows(font, scale);
    const int margin = cell;
    QImage image(8 * cell, cell + 2 * margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    CTextLine line;
    line.Set(text, PictureTextFont(font, scale));
    line.Draw(painter, QRect(0, margin + PictureTextDrop(font, scale), image.width(), cell));
    painter.end();
    std::string rows;
    for (int y = 0; y < image.height(); ++y) {
        if (y == margin + clear)
            y += cell - clear;
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] != qRgb(255, 255, 255)) {
                rows += std::to_string(y - margin) + " ";
                break;
            }
    }
    return rows;
}

class PictureTextInkTest : public testing::TestWithParam<Language> {};

TEST_P(PictureTextInkTest, EveryShippedCharacterStaysInsideItsLine)
{
    const CLanguageScope scope(GetParam());
    ASSERT_TRUE(scope.Loaded());
    const std::set<char32_t> characters = ShippedCharacters();
    ASSERT_GT(characters.size(), 40U);
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (const TextFont font : {TextFont::kLarge, TextFont::kMedium, TextFont::kSmall, TextFont::kPlain}) {
            const int clear = font == TextFont::kLarge || font == TextFont::kMedium ? 1 : 0;
            for (const char32_t c : characters) {
                const QString text = QString::fromUcs4(&c, 1);
                EXPECT_EQ(InkOutside(text, font, clear, scale), "")
                    << "\"" << text.toStdString() << "\" in text kind " << static_cast<int>(font) << " at scale "
                    << scale << " has ink in rows";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, PictureTextInkTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(LanguageCode(info.param));
                         });

}  // namespace
