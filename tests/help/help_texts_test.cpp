// The shipped texts: each cut into its lines with the kinds, pictures and endings it has.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

#include "base/product.h"
#include "help/help_texts.h"
#include "picture_text/markup.h"

namespace {

using Names = std::vector<std::string>;

int CountKind(const std::vector<std::string>& lines, LineKind kind)
{
    int count = 0;
    for (const std::string& line : lines)
        count += ClassifyLine(line).kind == kind;
    return count;
}

Names PicturesOf(const std::vector<std::string>& lines)
{
    Names names;
    for (const std::string& line : lines) {
        const LineClass kind = ClassifyLine(line);
        if (kind.kind == LineKind::kPicture)
            names.emplace_back(kind.shown);
    }
    return names;
}

int TrailingBlanks(const std::vector<std::string>& lines)
{
    int count = 0;
    for (auto it = lines.rbegin(); it != lines.rend() && it->empty(); ++it)
        ++count;
    return count;
}

struct PageCase {
    int index;
    const char* title;
    std::size_t length;  // 0: not fixed (the about page holds the contact address)
    int lines;
    int blanks;  // -1: not stated for the page
    int trailing;
    Names pictures;
};

class HelpPageTest : public testing::TestWithParam<PageCase> {};

TEST_P(HelpPageTest, CutsIntoItsLinesAndPictures)
{
    const PageCase& page = GetParam();
    const HelpPageText& entry = HelpPageTexts()[static_cast<std::size_t>(page.index)];
    EXPECT_EQ(entry.title, page.title);
    if (page.length != 0) {
        EXPECT_EQ(entry.english.size(), page.length);
    }
    const auto lines = CutLines(entry.english, kTextSeparator);
    EXPECT_EQ(static_cast<int>(lines.size()), page.lines);
    if (page.blanks >= 0) {
        EXPECT_EQ(CountKind(lines, LineKind::kBlank), page.blanks);
    }
    EXPECT_EQ(TrailingBlanks(lines), page.trailing);
    EXPECT_EQ(PicturesOf(lines), page.pictures);
    for (const std::string& line : lines) {
        const LineKind kind = ClassifyLine(line).kind;
        if (kind == LineKind::kPicture) {
            EXPECT_EQ(line.find('\t'), std::string::npos) << line;
        } else if (page.index < 7) {  // the pages but About hold large text and pictures only
            EXPECT_TRUE(kind == LineKind::kBlank || kind == LineKind::kLarge) << line;
        }
        // A tab ends its line, nowhere else.
        const std::size_t tab = line.find('\t');
        EXPECT_TRUE(tab == std::string::npos || tab + 1 == line.size()) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, HelpPageTest,
    testing::Values(
        PageCase{0, "Glimmerjig", 937, 56, 24, 3,
                 {"BITMAP1", "Glimmerjig", "MYIMAGEU", "LEVELIM", "SIZE", "MANUAL1", "MANUAL2", "MANUAL3"}},
        PageCase{1, "Level", 159, 10, -1, 2, {"LEVELIM", "BITMAP1"}},
        PageCase{2, "Score", 157, 14, -1, 3, {"SCORE", "SCORE2", "BITMAP1"}},
        PageCase{3, "Back", 381, 26, -1, 2, {"BACKU", "BACKU", "BACKU", "TWO", "BACKU", "BITMAP1"}},
        PageCase{4, "Hint", 262, 17, -1, 3, {"HINTU", "HINTU", "BITMAP1"}},
        PageCase{5, "Sound", 69, 9, 6, 3, {"SOUNDU", "BITMAP1"}},
        PageCase{6, "Demo", 141, 12, -1, 3, {"DEMOU", "BITMAP1"}},
        PageCase{7, "About", 0, 19, 7, 5, {"BITMAP1", "Glimmerjig", "Zorvath"}}));

// The pages but About, line by line as a player reads them.
TEST(HelpPageTest, PagesReadWordForWord)
{
    using Lines = std::vector<std::string>;
    const Lines pages[] = {
    Lines{  // Game
        "BITMAP1^", "Glimmerjig^", "What is the concept of   G l i m m e r j i g ?\t",
        "It is very simple:\t", "to win the game, you SHOULD NOT click\t",
        "on the LAST yellow Smiling Face!\t", "", "", "MYIMAGEU^", "", "How to START?\t",
        "F i r s t - select the level of difficulty by clicking\t",
        "on the numbers I, II or III   (I is the easiest):\t", "", "", "LEVELIM^", "",
        "S e c o n d - proceed by choosing the game size\t", "(from 4 through 9):\t", "", "", "SIZE^", "",
        "The larger the number\t", "- the longer it will take you to finish\t", "", "How to PLAY?\t",
        "When you click on the top yellow Smile\t", "in a column - only the top Smile will disappear:\t",
        "", "", "MANUAL1^", "", "When you click on a Smile in the middle\t",
        "of a column - all the Smiles above it\t", "will also disappear:\t", "", "", "MANUAL2^", "",
        "When you click on a Smile at the bottom of a\t",
        "column - all that column of Smiles will disappear:\t", "", "", "MANUAL3^", "",
        "The computer will always make its move\t", "automatically.\t", "", "", "DO NOT FORGET:\t",
        "if you click on the last yellow Smiling face\t", "- you loose the game\t", "", "", "",
    },
    Lines{  // Level
        "LEVELIM^", "", "Select the level of difficulty by clicking on\t",
        "the numbers I, II or III ( I is the easiest)\t", "You can change your selection at any time.\t",
        "", "", "BITMAP1^", "", "",
    },
    Lines{  // Score
        "When you first start the game - the score will be:\t", "", "SCORE^", "",
        "The left part is your score, the right one\t", " - the score of the computer\t", "", "SCORE2^", "",
        "", "BITMAP1^", "", "", "",
    },
    Lines{  // Back
        "BACKU^", "", "To cancel the last move - press this button:\t", "", "BACKU^", "",
        "You can cancel as many moves as you want\t", "by pressing this button again\t", "", "BACKU^", "",
        "If you press this button before starting the game,\t", "then you disable the Computer and\t",
        "activating two players mode\t", "", "TWO^", "",
        "You can return a single player mode by pressing\t", "this button again before starting the game\t",
        "", "", "BACKU^", "", "BITMAP1^", "", "",
    },
    Lines{  // Hint
        "HINTU^", "", "When you press this button,\t",
        "Glimmerjig will suggest the best next move for you\t",
        "You can ask for help as many times as you wish\t", "", "", "HINTU^", "",
        "If you press this button before starting the game,\t",
        "then the first move will be made by the Computer\t", "", "", "BITMAP1^", "", "", "",
    },
    Lines{  // Sound
        "SOUNDU^", "", "Click the button to turn the sound on and off\t", "", "", "BITMAP1^", "", "", "",
    },
    Lines{  // Demo
        "Demo feature can be started by pressing button\t", "", "DEMOU^", "",
        "To stop the Demo, just move your mouse\t", "Demo will stop in 1-2 seconds\t", "", "", "BITMAP1^",
        "", "", "",
    },
    };
    for (std::size_t page = 0; page < std::size(pages); ++page) {
        const auto lines = CutLines(HelpPageTexts()[page].english, kTextSeparator);
        ASSERT_EQ(lines.size(), pages[page].size()) << "page " << page;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], pages[page][i]) << "page " << page << ", line " << i + 1;
    }
}

TEST(HelpPageTest, GamePageHasAsManyLargeLinesAsBlankOnes)
{
    const auto lines = CutLines(kGamePage, kTextSeparator);
    EXPECT_EQ(CountKind(lines, LineKind::kLarge), 24);
    EXPECT_EQ(ClassifyLine(lines[0]).kind, LineKind::kPicture);
    EXPECT_EQ(ClassifyLine(lines[1]).kind, LineKind::kPicture);
}

struct Expected {
    std::string line;
    LineKind kind;
};

// Line by line, with the copyright signs as the single byte 0xA9.
void ExpectLines(const std::string& text, const std::vector<Expected>& expected)
{
    const auto lines = CutLines(text, kTextSeparator);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(ClassifyLine(lines[i]).kind, expected[i].kind) << "line " << i + 1;
        EXPECT_EQ(lines[i], expected[i].line) << "line " << i + 1;
    }
}

const Expected kBlankLine{"", LineKind::kBlank};
const Expected kNotices[] = {{"Copyright © 2026 Glimmerjig", LineKind::kPlain},
                             {"MIT licence", LineKind::kPlain},
                             {"Art and sounds made here", LineKind::kPlain}};

TEST(CreditsTest, HasTheTwentyTwoLinesOfTheAboutBox)
{
    const std::string contact = std::string(kContactEmail) + "\t";
    ExpectLines(CreditsText(EnglishLine),
                {{"BITMAP1^", LineKind::kPicture}, {"Glimmerjig^", LineKind::kPicture},
                 {"Design,", LineKind::kPlain}, {"Algorithm and Programming", LineKind::kPlain},
                 {"for Windows95©,", LineKind::kPlain}, {"Windows98©,", LineKind::kPlain},
                 {"Windows Me©,", LineKind::kPlain}, {"Windows NT©,", LineKind::kPlain},
                 {"Windows 2000©", LineKind::kPlain}, {"by", LineKind::kPlain}, kBlankLine,
                 {"Zorvath^", LineKind::kPicture}, kNotices[0], kNotices[1], kNotices[2], kBlankLine,
                 {contact, LineKind::kLarge}, kBlankLine, kBlankLine, kBlankLine, kBlankLine,
                 kBlankLine});
}

TEST(CreditsTest, AboutPageHasItsNineteenLines)
{
    const std::string contact = std::string(kContactEmail) + "\t";
    ExpectLines(PageText(kHelpPageCount - 1, EnglishLine),
                {{"BITMAP1^", LineKind::kPicture}, {"Glimmerjig^", LineKind::kPicture},
                 {"Design, Algorithm and", LineKind::kPlain},
                 {"Programming for Windows95 ©", LineKind::kPlain},
                 {"Windows98©, Windows Me©, Windows NT©,", LineKind::kPlain},
                 {"and Windows 2000©", LineKind::kPlain}, {"by", LineKind::kPlain}, kBlankLine,
                 {"Zorvath^", LineKind::kPicture}, kNotices[0], kNotices[1], kNotices[2], kBlankLine,
                 {contact, LineKind::kLarge}, kBlankLine, kBlankLine, kBlankLine, kBlankLine,
                 kBlankLine});
}

// The only character outside ASCII in any text is the copyright sign, in UTF-8.
TEST(CreditsTest, UseNoOtherCharacterOutsideAscii)
{
    const auto others = [](std::string text) {
        for (std::size_t at = text.find("©"); at != std::string::npos; at = text.find("©"))
            text.erase(at, std::string_view("©").size());
        return std::count_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    };
    for (const HelpPageText& page : HelpPageTexts())
        EXPECT_EQ(others(std::string(page.english)), 0) << page.title;
    EXPECT_EQ(others(CreditsText(EnglishLine)), 0);
}

}  // namespace
