// A text in another language is the English one with its lines of text replaced: the pictures,
// kinds and blank lines stay, and a translation that would break the layout is not used.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "help/help_texts.h"
#include "picture_text/markup.h"

namespace {

// Every text the game shows, in the language of translate.
std::vector<std::string> AllTexts(const LineTranslator& translate)
{
    std::vector<std::string> texts;
    for (int i = 0; i < kHelpPageCount; ++i)
        texts.push_back(PageText(i, translate));
    texts.push_back(CreditsText(translate));
    return texts;
}

// What each line is, a picture line with its own text: "large", "blank", "picture BITMAP1^", ...
std::vector<std::string> Layout(std::string_view text)
{
    std::vector<std::string> layout;
    for (const std::string& line : CutLines(text, kTextSeparator)) {
        const LineClass what = ClassifyLine(line);
        layout.push_back(what.kind == LineKind::kPicture ? line : std::to_string(static_cast<int>(what.kind)));
    }
    return layout;
}

TEST(TranslatedTextsTest, EnglishLinesGiveTheEnglishTexts)
{
    const std::vector<std::string> texts = AllTexts(EnglishLine);
    for (int i = 0; i < kHelpPageCount; ++i)
        EXPECT_EQ(texts[static_cast<std::size_t>(i)], HelpPageTexts()[static_cast<std::size_t>(i)].english) << i;
}

TEST(TranslatedTextsTest, OnlyTheLinesOfTextChangeEachUnderItsTextsContext)
{
    std::vector<std::string> asked;
    const LineTranslator marked = [&](const char* context, const std::string& english) {
        asked.push_back(std::string(context) + ": " + english);
        return "Zażółć " + english;
    };
    const std::vector<std::string> english = AllTexts(EnglishLine);
    const std::vector<std::string> translated = AllTexts(marked);
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(Layout(translated[i]), Layout(english[i])) << i;
        EXPECT_NE(translated[i], english[i]) << i;
    }
    for (const std::string_view want :
         {"HelpGamePage: It is very simple:", "HelpDemoPage: Demo will stop in 1-2 seconds",
          "AboutBoxCredits: Algorithm and Programming", "HelpAboutPage: Design, Algorithm and",
          "CreditsNotices: MIT licence"})
        EXPECT_NE(std::find(asked.begin(), asked.end(), want), asked.end()) << want;
    for (const std::string& each : asked) {
        EXPECT_EQ(each.find("^"), std::string::npos) << "a picture's name was asked for: " << each;
        EXPECT_EQ(each.find(kTextSeparator), std::string::npos) << each;
    }
}

struct RefusedCase {
    std::string_view english;  // one line with its separator
    const char* translation;
};

class RefusedTranslationTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedTranslationTest, LeavesTheEnglishLine)
{
    const RefusedCase& c = GetParam();
    const LineTranslator translate = [&](const char*, const std::string&) { return std::string(c.translation); };
    EXPECT_EQ(TranslatedText(c.english, "Any", translate), c.english);
}

INSTANTIATE_TEST_SUITE_P(Lines, RefusedTranslationTest,
                         testing::Values(RefusedCase{"a line\t|", "two|lines"},
                                         RefusedCase{"a line\t|", "a new\nline"},
                                         RefusedCase{"a line\t|", "a\ttab"},
                                         RefusedCase{"plain|", "a carriage\rreturn"},
                                         RefusedCase{"plain|", "an \x1B" "escape"},
                                         RefusedCase{"plain|", "a delete\x7F"},
                                         RefusedCase{"plain|", "now a picture^"}));

TEST(TranslatedTextsTest, AMarkedLineMayEndInAMarkerOfItsOwn)
{
    const LineTranslator translate = [](const char*, const std::string&) { return std::string("Hoch^"); };
    EXPECT_EQ(TranslatedText("up\t|", "Any", translate), "Hoch^\t|");
}

}  // namespace
