#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/language.h"

// The texts the picture-text controls show, in the markup of picture_text/markup.h with "|" as the
// separator: single-byte Windows-1252, "\xA9" for the copyright sign. Each exists in every
// language the game speaks, with the English layout line by line.

inline constexpr char kTextSeparator = '|';

// The English help pages, one per tab.
extern const std::string_view kGamePage;
extern const std::string_view kLevelPage;
extern const std::string_view kScorePage;
extern const std::string_view kBackPage;
extern const std::string_view kHintPage;
extern const std::string_view kSoundPage;
extern const std::string_view kDemoPage;

// The help window's About tab: 19 lines of credits ending in the contact address.
const std::string& AboutPageText(Language language);

// The About box's scrolling credits: 22 lines ending in the contact address.
const std::string& CreditsText(Language language);

struct HelpPageText {
    std::string_view title;  // the tab's title, in English whatever the language
    std::string_view text;
};

inline constexpr int kHelpPageCount = 8;

// The help window's pages in tab order: "Glimmerjig", "Level", "Score", "Back", "Hint",
// "Sound", "Demo", "About". The titles stay English: the window looks them up in its
// catalogue, under "HelpPages", and the game's name is the same in every language.
const std::array<HelpPageText, kHelpPageCount>& HelpPageTexts(Language language);
