#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

// The texts the picture-text controls show, in the markup of picture_text/markup.h with "|" as
// the separator, in UTF-8. English is written here; another language's text is the English one
// with each line of text replaced by its translation, so the pictures, kinds and blank lines
// are the same in every language and never reach a translator.

inline constexpr char kTextSeparator = '|';

// The English help pages, one per tab.
extern const std::string_view kGamePage;
extern const std::string_view kLevelPage;
extern const std::string_view kScorePage;
extern const std::string_view kBackPage;
extern const std::string_view kHintPage;
extern const std::string_view kSoundPage;
extern const std::string_view kDemoPage;

// One line of text in the game's language: `english` looked up under `context` in its
// catalogue, in UTF-8; the English line itself where there is none.
using LineTranslator = std::function<std::string(const char* context, const std::string& english)>;

// The English line itself: the texts as written here.
std::string EnglishLine(const char* context, const std::string& english);

// `english` with each line of text translated under `context`. A translation that would not
// stay one line of the same kind (it holds a separator or a control character, or a plain line
// would end in a marker) is not used: the English line stands.
std::string TranslatedText(std::string_view english, const char* context, const LineTranslator& translate);

// The About box's scrolling credits: 22 lines ending in the contact address.
std::string CreditsText(const LineTranslator& translate);

struct HelpPageText {
    std::string_view title;    // the tab's title, in English whatever the language
    const char* context;       // where the page's lines are looked up
    std::string_view english;  // the page in English; the About tab's is put together
};

inline constexpr int kHelpPageCount = 8;

// The help window's pages in tab order: "Glimmerjig", "Level", "Score", "Back", "Hint",
// "Sound", "Demo", "About". The titles stay English: the window looks them up in its
// catalogue, under "HelpPages", and the game's name is the same in every language.
const std::array<HelpPageText, kHelpPageCount>& HelpPageTexts();

// A page's text in the language of translate: the About tab's is 19 lines of credits ending in
// the contact address.
std::string PageText(int index, const LineTranslator& translate);
