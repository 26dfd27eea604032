#pragma once

#include <array>
#include <string>
#include <string_view>

// The texts the picture-text controls show, in the markup of help/markup.h with "|" as the
// separator: single-byte Windows-1252, "\xA9" for the copyright sign.

inline constexpr char kTextSeparator = '|';

// The help pages, one per tab.
extern const std::string_view kGamePage;
extern const std::string_view kLevelPage;
extern const std::string_view kScorePage;
extern const std::string_view kBackPage;
extern const std::string_view kHintPage;
extern const std::string_view kSoundPage;
extern const std::string_view kDemoPage;
// The help window's About tab: 19 lines of credits ending in the contact address.
const std::string& AboutPageText();

// The About box's scrolling credits: 22 lines ending in the contact address.
const std::string& CreditsText();

struct HelpPageText {
    std::string_view title;  // the tab's title
    std::string_view text;
};

inline constexpr int kHelpPageCount = 8;

// The help window's pages in tab order: "Glimmerjig", "Level", "Score", "Back", "Hint",
// "Sound", "Demo", "About".
const std::array<HelpPageText, kHelpPageCount>& HelpPageTexts();
