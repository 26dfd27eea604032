// The text cells hold for whatever face fontconfig gives for "Arial", in every language: lines
// scroll in at their cell heights and the still view stacks their measured heights, and the two
// views agree, also where a language's fonts are drawn lower in the cell.
// CTest runs these once with the machine's fonts and once with "Arial" made DejaVu Sans.
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "language_scope.h"
#include "picture_text/markup.h"
#include "picture_text_helper.h"
#include "qt_print.h"
#include "test_arguments.h"

namespace {

struct FontCase {
    TextFont font;
    int marker;  // of a line in that font
    int cell;
};

const FontCase kKinds[] = {{TextFont::kLarge, '\t', 19},
                           {TextFont::kMedium, '\n', 17},
                           {TextFont::kSmall, '\r', 15},
                           {TextFont::kPlain, 'x', 15}};

void PrintTo(const FontCase& c, std::ostream* os)
{
    *os << "cell " << c.cell << ", marker " << c.marker;
}

std::string KindName(const FontCase& c)
{
    return std::string(1, "LMSP"[static_cast<int>(c.font)]);
}

class PictureTextFontTest : public testing::TestWithParam<FontCase> {};

TEST_P(PictureTextFontTest, FaceFontconfigGivesFitsTheCell)
{
    const QFont& font = PictureTextFont(GetParam().font);
    EXPECT_LE(QFontMetrics(font).height(), GetParam().cell);
    EXPECT_GE(QFontMetrics(font).height(), GetParam().cell - 2) << "a smaller face than needed";
    // The face this run has fontconfig give for "Arial" (--arial-face).
    if (g_expectedArialFace != nullptr) {
        EXPECT_EQ(QFontInfo(font).family(), QString::fromUtf8(g_expectedArialFace));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, PictureTextFontTest, testing::ValuesIn(kKinds),
                         [](const testing::TestParamInfo<FontCase>& info) { return KindName(info.param); });

// A text kind in a language: the fonts, and how far below its cell's top a line stands, are
// the language's.
class PictureTextViewsTest : public testing::TestWithParam<std::tuple<FontCase, Language>> {
protected:
    void SetUp() override { ASSERT_TRUE(m_language.Loaded()); }
    const FontCase& Kind() const { return std::get<0>(GetParam()); }

private:
    CLanguageScope m_language{std::get<1>(GetParam())};
};

// Three lines scrolled fully in stand exactly as the still view stacks them: spaced by their
// cells, their deepest glyphs and their accents inside them, letters outside Windows-1252
// measured as the characters they are. In large and medium text each cell's top row stays
// clear over the language's own accented capitals.
TEST_P(PictureTextViewsTest, ScrollingAndStillViewsAgree)
{
    const std::string_view capitals = AccentedCapitals(std::get<1>(GetParam()));
    const std::string line = "Agjy_ \u0142\u00F3d\u017A \u03C9" + std::string(capitals) +
                             std::string(1, static_cast<char>(Kind().marker));
    const std::string text = line + "|" + line + "|" + line;
    const int block = 3 * Kind().cell;
    auto still = MakeControl(text, kPageSize, "NO TILE");
    auto scrolled = MakeControl(text, kPageSize, "NO TILE");
    scrolled->Start();
    Ticks(*scrolled, 15 + block - 1);  // the first line was fetched on the 15th tick
    const PixelRect column = scrolled->Engine().ContentColumn();
    const int H = kPageSize.height();
    // The column holds the lines' ink whole, glyphs that overhang their advance included.
    QImage allKey(kPageSize, QImage::Format_RGB32);
    allKey.fill(kMagenta);
    const QRect ink = Ink(Painted(still.get()), allKey);
    EXPECT_GE(ink.left(), column.left);
    EXPECT_LT(ink.right(), column.right);
    const QImage inStill = Painted(still.get()).copy(column.left, (H - block) / 2, column.Width(), block);
    const QImage inScroll = Painted(scrolled.get()).copy(column.left, H - block, column.Width(), block);
    EXPECT_EQ(inScroll, inStill);
    QImage key(inStill.size(), QImage::Format_RGB32);
    key.fill(kMagenta);
    EXPECT_TRUE(Ink(inStill, key).isValid()) << "nothing drawn";
    if (Kind().font == TextFont::kLarge || Kind().font == TextFont::kMedium) {
        // The top row is kept clear over the accented capitals the language's texts show (where
        // a face needs more than a pixel size for one they never show, its mark may stand there:
        // Debian 13's Liberation Sans, German large text, "Ä").
        const std::set<char32_t> shipped = ShippedCharacters();
        std::string own = "Agjy_ ";
        for (const char32_t c : QString::fromUtf8(capitals.data(), static_cast<qsizetype>(capitals.size())).toUcs4())
            if (shipped.count(c) != 0)
                own += QString::fromUcs4(&c, 1).toStdString();
        own += static_cast<char>(Kind().marker);
        auto ownStill = MakeControl(own + "|" + own + "|" + own, kPageSize, "NO TILE");
        const QImage shown = Painted(ownStill.get()).copy(0, (H - block) / 2, kPageSize.width(), block);
        QImage keyRow(shown.width(), 1, QImage::Format_RGB32);
        keyRow.fill(kMagenta);
        for (int top = 0; top < block; top += Kind().cell)
            EXPECT_FALSE(Ink(shown.copy(0, top, shown.width(), 1), keyRow).isValid())
                << "ink in the top row of the cell at " << top;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, PictureTextViewsTest, testing::Combine(testing::ValuesIn(kKinds), testing::ValuesIn(kLanguages)),
                         [](const auto& info) {
                             return KindName(std::get<0>(info.param)) + "_" + std::string(LanguageCode(std::get<1>(info.param)));
                         });

}  // namespace
