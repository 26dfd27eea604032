// Cutting a markup text into lines and telling the kinds of line apart.
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "picture_text/markup.h"

namespace {

using Lines = std::vector<std::string>;

struct CutCase {
    std::string text;
    Lines lines;
};

class CutLinesTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutLinesTest, GivesOneLineMoreThanSeparators)
{
    EXPECT_EQ(CutLines(GetParam().text, '|'), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CutLinesTest,
    testing::Values(CutCase{"", {""}},                 // an empty text is one blank line
                    CutCase{"|", {"", ""}},            // a lone separator: two blank lines
                    CutCase{"a||b", {"a", "", "b"}},   // adjacent separators: a blank between
                    CutCase{"abc", {"abc"}},           // no separator: one line
                    CutCase{"|a|", {"", "a", ""}},     // separators at both ends
                    CutCase{"a|||", {"a", "", "", ""}},
                    CutCase{"x\t|y^", {"x\t", "y^"}},  // markers stay in their lines
                    CutCase{std::string("a\0b|c", 5), {std::string("a\0b", 3), "c"}}));

TEST(CutLinesTest, UsesTheSeparatorItIsGiven)
{
    EXPECT_EQ(CutLines("a|b;c", ';'), (Lines{"a|b", "c"}));
}

// Whatever the bytes, the lines are the pieces between separators and nothing is lost.
TEST(CutLinesTest, KeepsEveryByteOfArbitraryTexts)
{
    std::mt19937 random(7);
    for (const std::size_t length : {1u, 2u, 255u, 4096u, 100000u}) {
        std::string text(length, '\0');
        for (char& c : text)
            c = static_cast<char>(random() % 4 == 0 ? '|' : random() % 256);
        const Lines lines = CutLines(text, '|');
        std::string joined = lines.front();
        for (std::size_t i = 1; i < lines.size(); ++i)
            joined += '|' + lines[i];
        EXPECT_EQ(joined, text) << length;
        for (const std::string& line : lines)
            EXPECT_EQ(line.find('|'), std::string::npos);
    }
}

struct ClassCase {
    std::string line;
    LineKind kind;
    std::string shown;
};

class ClassifyLineTest : public testing::TestWithParam<ClassCase> {};

TEST_P(ClassifyLineTest, OnlyTheLastCharacterDecides)
{
    const LineClass result = ClassifyLine(GetParam().line);
    EXPECT_EQ(result.kind, GetParam().kind) << GetParam().line;
    EXPECT_EQ(result.shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ClassifyLineTest,
    testing::Values(ClassCase{"", LineKind::kBlank, ""},
                    ClassCase{"\t", LineKind::kLarge, ""},  // a tab alone: empty large text
                    ClassCase{"\n", LineKind::kMedium, ""},
                    ClassCase{"\r", LineKind::kSmall, ""},
                    ClassCase{"x\t", LineKind::kLarge, "x"},
                    ClassCase{"Big news\n", LineKind::kMedium, "Big news"},
                    ClassCase{"small\r", LineKind::kSmall, "small"},
                    ClassCase{"plain", LineKind::kPlain, "plain"},
                    ClassCase{"a^b", LineKind::kPlain, "a^b"},      // "^" in the middle is drawn
                    ClassCase{"a\tb", LineKind::kPlain, "a\tb"},    // so is a tab in the middle
                    ClassCase{"^", LineKind::kPicture, ""},         // a picture with no name
                    ClassCase{"Glimmerjig^", LineKind::kPicture, "Glimmerjig"},
                    ClassCase{"bitmap1^", LineKind::kPicture, "bitmap1"},
                    ClassCase{"x\t^", LineKind::kPicture, "x\t"},
                    ClassCase{"x^\t", LineKind::kLarge, "x^"},
                    ClassCase{"\xA9 x", LineKind::kPlain, "\xA9 x"},
                    ClassCase{std::string(1, '\0'), LineKind::kPlain, std::string(1, '\0')}));

}  // namespace
