// Each translation of the picture texts keeps the English layout line by line: as many lines,
// each of the same kind, the same picture lines and the same blank gaps; only the words change.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "help/help_texts.h"
#include "picture_text/markup.h"

namespace {

struct NamedText {
    std::string name;
    std::string_view text;
};

// The help pages in tab order, then the About box's credits.
std::vector<NamedText> TextsIn(Language language)
{
    std::vector<NamedText> texts;
    for (const HelpPageText& page : HelpPageTexts(language))
        texts.push_back({std::string(page.title), page.text});
    texts.push_back({"About box", CreditsText(language)});
    return texts;
}

// What each line is, a picture line with its own text: "large", "blank", "picture BITMAP1^", ...
std::vector<std::string> Layout(std::string_view text)
{
    std::vector<std::string> layout;
    for (const std::string& line : CutLines(text, kTextSeparator)) {
        switch (ClassifyLine(line).kind) {
        case LineKind::kBlank: layout.emplace_back("blank"); break;
        case LineKind::kLarge: layout.emplace_back("large"); break;
        case LineKind::kMedium: layout.emplace_back("medium"); break;
        case LineKind::kSmall: layout.emplace_back("small"); break;
        case LineKind::kPicture: layout.push_back("picture " + line); break;
        case LineKind::kPlain: layout.emplace_back("plain"); break;
        }
    }
    return layout;
}

// A byte the control draws as a character of Windows-1252: no control character, and none of
// the five bytes the code page leaves unassigned.
bool IsDrawnCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F &&
           byte != 0x90 && byte != 0x9D;
}

class TranslatedTextsTest : public testing::TestWithParam<Language> {};

TEST_P(TranslatedTextsTest, KeepTheEnglishLayoutLineByLine)
{
    const std::vector<NamedText> english = TextsIn(Language::kEnglish);
    const std::vector<NamedText> translated = TextsIn(GetParam());
    ASSERT_EQ(translated.size(), english.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        SCOPED_TRACE(english[i].name);
        EXPECT_EQ(translated[i].name, english[i].name) << "tab titles stay English";
        EXPECT_TRUE(translated[i].text != english[i].text) << "the English text, not a translation";
        const std::vector<std::string> want = Layout(english[i].text);
        const std::vector<std::string> got = Layout(translated[i].text);
        const auto [ours, theirs] = std::mismatch(got.begin(), got.end(), want.begin(), want.end());
        EXPECT_TRUE(ours == got.end() && theirs == want.end())
            << "line " << ours - got.begin() + 1 << " is " << (ours == got.end() ? "missing" : *ours)
            << " where the English line is " << (theirs == want.end() ? "missing" : *theirs);
    }
}

TEST_P(TranslatedTextsTest, WriteOnlyCharactersTheControlDraws)
{
    for (const NamedText& text : TextsIn(GetParam())) {
        for (const std::string& line : CutLines(text.text, kTextSeparator)) {
            const std::string_view shown = ClassifyLine(line).shown;
            for (const char c : shown)
                EXPECT_TRUE(IsDrawnCharacter(c)) << text.name << ": byte " << +static_cast<unsigned char>(c)
                                                 << " in \"" << shown << '"';
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedTextsTest,
                         testing::Values(Language::kGerman, Language::kFrench, Language::kSpanish),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(LanguageCode(info.param));
                         });

}  // namespace
