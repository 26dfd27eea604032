#include <algorithm>
#include <cstddef>

#include "base/product.h"
#include "base/translatable.h"
#include "help/credits.h"
#include "help/help_texts.h"
#include "picture_text/markup.h"

namespace {

// Whether translation can stand where english stood: one line, no control character, and the
// same kind once its marker is put back.
bool KeepsTheLine(const std::string& translation, LineKind kind)
{
    if (std::any_of(translation.begin(), translation.end(), [](char c) {
            return c == kTextSeparator || static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
        }))
        return false;
    return kind != LineKind::kPlain || translation.empty() || ClassifyLine(translation).kind == LineKind::kPlain;
}

// The credits from the first picture to the banner, then the notices, the contact address as a
// large-text line and the blank lines before the text starts again. The address is a pointer
// of the product facts, not a literal, so the texts are built at run time.
std::string Credits(std::string_view head, const char* context, const LineTranslator& translate)
{
    return TranslatedText(head, context, translate) + TranslatedText(kCreditNotices, "CreditsNotices", translate) +
           "|" + kContactEmail + "\t|||||";
}

}  // namespace

std::string EnglishLine(const char*, const std::string& english)
{
    return english;
}

std::string TranslatedText(std::string_view english, const char* context, const LineTranslator& translate)
{
    std::string text;
    const std::vector<std::string> lines = CutLines(english, kTextSeparator);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += kTextSeparator;
        const std::string& line = lines[i];
        const LineClass what = ClassifyLine(line);
        if (what.kind == LineKind::kBlank || what.kind == LineKind::kPicture || what.shown.empty()) {
            text += line;
            continue;
        }
        const std::string translation = translate(context, std::string(what.shown));
        text += KeepsTheLine(translation, what.kind) ? translation : std::string(what.shown);
        text += line.substr(what.shown.size());
    }
    return text;
}

std::string CreditsText(const LineTranslator& translate)
{
    return Credits(kBoxCredits, "AboutBoxCredits", translate);
}

const std::array<HelpPageText, kHelpPageCount>& HelpPageTexts()
{
    static const std::string about = PageText(kHelpPageCount - 1, EnglishLine);
    // The game's name is the same in every language and has no catalogue entry.
    static const std::array<HelpPageText, kHelpPageCount> pages = {{
        {"Glimmerjig", "HelpGamePage", kGamePage},
        {QT_TRANSLATE_NOOP("HelpPages", "Level"), "HelpLevelPage", kLevelPage},
        {QT_TRANSLATE_NOOP("HelpPages", "Score"), "HelpScorePage", kScorePage},
        {QT_TRANSLATE_NOOP("HelpPages", "Back"), "HelpBackPage", kBackPage},
        {QT_TRANSLATE_NOOP("HelpPages", "Hint"), "HelpHintPage", kHintPage},
        {QT_TRANSLATE_NOOP("HelpPages", "Sound"), "HelpSoundPage", kSoundPage},
        {QT_TRANSLATE_NOOP("HelpPages", "Demo"), "HelpDemoPage", kDemoPage},
        {QT_TRANSLATE_NOOP("HelpPages", "About"), "HelpAboutPage", about},
    }};
    return pages;
}

std::string PageText(int index, const LineTranslator& translate)
{
    if (index == kHelpPageCount - 1)
        return Credits(kTabCredits, "HelpAboutPage", translate);
    const HelpPageText& page = HelpPageTexts()[static_cast<std::size_t>(index)];
    return TranslatedText(page.english, page.context, translate);
}
