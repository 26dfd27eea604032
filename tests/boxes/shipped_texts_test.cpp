// Every line the game ships fits the control that shows it, in its own font and on the face
// fontconfig gives for "Arial": a wider line loses its ends on both sides.
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <iostream>
#include <set>
#include <string>
#include <utility>

#include "help_dlg_helper.h"
#include "language_scope.h"
#include "boxes/about_dlg.h"
#include "boxes/catalogue_line.h"
#include "help/help_texts.h"
#include "picture_text/markup.h"
#include "text_fonts/picture_text_fonts.h"

namespace {

struct Host {
    std::string name;
    std::string text;
    std::string english;  // the same host's English text
    const CPictureText* control;
};

// The line's width as the control measures it: a picture's own, a text line's in its font.
int WidthOf(std::string_view line, const CPictureText& control)
{
    const LineClass shown = ClassifyLine(line);
    if (shown.kind == LineKind::kPicture)
        return ProgramPicture(std::string(shown.shown)).width();
    const std::optional<TextStyle> style = control.Engine().StyleOf(shown.kind);
    if (!style)
        return 0;
    return QFontMetrics(PictureTextFont(style->font)).horizontalAdvance(QString::fromUtf8(shown.shown));
}

struct Widest {
    std::string line;
    int width = 0;
    int room = 0;
};

void Widen(Widest& widest, const std::string& line, int width, int room)
{
    if (width > widest.width)
        widest = {line, width, room};
}

// "<width> of <room> px: <line>", the line in UTF-8 without its marker.
std::string Describe(const Widest& widest)
{
    return std::to_string(widest.width) + " of " + std::to_string(widest.room) + " px: \"" +
           QString::fromUtf8(ClassifyLine(widest.line).shown).toStdString() + '"';
}

// Every language's texts in the controls of the About box and the help pages. The widest
// translated line (one the English text does not have) of each host and language, or for English
// the widest line, is printed and kept as a property of the test's report.
TEST(ShippedTextsTest, EveryLineFitsItsControl)
{
    // Help lines of the game's design in large text that are a little wider than a page (by
    // 3 to 24 pixels): kept as they are. A translation has no such lines.
    const std::set<std::string_view> designedTooWide = {
        "column - all that column of Smiles will disappear:\t",
        "When you first start the game - the score will be:\t",
        "If you press this button before starting the game,\t",
        "You can return a single player mode by pressing\t",
        "Glimmerjig will suggest the best next move for you\t",
        "then the first move will be made by the Computer\t",
    };
    CAboutDlg about(nullptr);
    CHelpDlg help(nullptr);
    for (const Language language : kLanguages) {
        const std::string code(LanguageCode(language));
        const CLanguageScope scope(language);
        ASSERT_TRUE(scope.Loaded()) << code;
        std::vector<Host> hosts = {
            {"About box", CreditsText(CatalogueLine), CreditsText(EnglishLine), &about.Credits()}};
        for (int i = 0; i < kHelpPageCount; ++i)
            hosts.push_back({"help page " + std::to_string(i), PageText(i, CatalogueLine), PageText(i, EnglishLine),
                             &PageTextControl(i)});
        Widest box;
        Widest pages;
        for (const Host& host : hosts) {
            SCOPED_TRACE(code + " " + host.name);
            const int room = host.control->width();
            Widest& widest = host.control == &about.Credits() ? box : pages;
            const auto englishLines = CutLines(host.english, kTextSeparator);
            const std::set<std::string> english(englishLines.begin(), englishLines.end());
            for (const std::string& line : CutLines(host.text, kTextSeparator)) {
                const int width = WidthOf(line, *host.control);
                if (language == Language::kEnglish || !english.contains(line))
                    Widen(widest, line, width, room);
                if (language != Language::kEnglish || !designedTooWide.contains(line)) {
                    EXPECT_LE(width, room) << QString::fromUtf8(line).toStdString();
                }
            }
        }
        for (const auto& [host, widest] : {std::pair{"About box", box}, std::pair{"help page", pages}}) {
            std::cout << code << " " << host << ": widest " << Describe(widest) << "\n";
            RecordProperty(code + " " + host + " widest", Describe(widest));
        }
    }
}

// A line the catalogue tools did not find, or one a translator left out, would stay English.
TEST(ShippedTextsTest, EveryLineOfTextIsInEveryCatalogue)
{
    for (const Language language : kLanguages) {
        if (language == Language::kEnglish)
            continue;
        const CLanguageScope scope(language);
        std::vector<std::string> missing;
        const LineTranslator check = [&](const char* context, const std::string& english) {
            if (!scope.GameCatalogueHas(context, english.c_str()))
                missing.push_back(std::string(context) + ": " + english);
            return english;
        };
        for (int i = 0; i < kHelpPageCount; ++i)
            PageText(i, check);
        CreditsText(check);
        EXPECT_EQ(missing, std::vector<std::string>()) << LanguageCode(language);
    }
}

}  // namespace
