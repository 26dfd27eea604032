// The text cells hold for whatever face fontconfig gives for "Arial": lines scroll in at their
// cell heights and the still view stacks their measured heights, and the two views agree.
// CTest runs these once with the machine's fonts and once with "Arial" made DejaVu Sans.
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <string>

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

void PrintTo(const FontCase& c, std::ostream* os)
{
    *os << "cell " << c.cell << ", marker " << c.marker;
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

// Three lines scrolled fully in stand exactly as the still view stacks them: spaced by their
// cells, their deepest glyphs and their accents inside them, letters outside Windows-1252
// measured as the characters they are.
TEST_P(PictureTextFontTest, ScrollingAndStillViewsAgree)
{
    const std::string line = "Agjy_ \u0142\u00F3d\u017A \u03C9" + std::string(1, static_cast<char>(GetParam().marker));
    const std::string text = line + "|" + line + "|" + line;
    const int block = 3 * GetParam().cell;
    auto still = MakeControl(text, kPageSize, "NO TILE");
    auto scrolled = MakeControl(text, kPageSize, "NO TILE");
    scrolled->Start();
    Ticks(*scrolled, 15 + block - 1);  // the first line was fetched on the 15th tick
    const PixelRect column = scrolled->Engine().ContentColumn();
    EXPECT_EQ(column.Width(), QFontMetrics(PictureTextFont(GetParam().font)).horizontalAdvance(QString::fromUtf8(ClassifyLine(line).shown)));
    const int H = kPageSize.height();
    const QImage inStill = Painted(still.get()).copy(column.left, (H - block) / 2, column.Width(), block);
    const QImage inScroll = Painted(scrolled.get()).copy(column.left, H - block, column.Width(), block);
    EXPECT_EQ(inScroll, inStill);
    QImage key(inStill.size(), QImage::Format_RGB32);
    key.fill(kMagenta);
    EXPECT_TRUE(Ink(inStill, key).isValid()) << "nothing drawn";
}

INSTANTIATE_TEST_SUITE_P(Kinds, PictureTextFontTest,
                         testing::Values(FontCase{TextFont::kLarge, '\t', 19}, FontCase{TextFont::kMedium, '\n', 17},
                                         FontCase{TextFont::kSmall, '\r', 15}, FontCase{TextFont::kPlain, 'x', 15}),
                         [](const testing::TestParamInfo<FontCase>& info) {
                             return std::string(1, "LMSP"[static_cast<int>(info.param.font)]);
                         });

}  // namespace
