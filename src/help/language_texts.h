#pragma once

#include <array>
#include <string_view>

#include "help/help_texts.h"

// One language's picture texts, each language in a file of its own; the tables of help_texts.h
// put them together. A translation keeps the English texts' layout line by line: as many lines,
// each of the same kind, the same pictures and the same blank gaps.

struct LanguagePages {
    // Glimmerjig, Level, Score, Back, Hint, Sound and Demo; About is put together from the credits.
    std::array<std::string_view, kHelpPageCount - 1> pages;
};

struct LanguageCredits {
    // From the first picture to the author's banner, every line ended by its separator: the
    // About box's narrow column, then the help window's About tab.
    std::string_view box;
    std::string_view tab;
    // The three notices under the banner, every line ended by its separator.
    std::string_view notices;
};

extern const LanguagePages kEnglishPages;
extern const LanguagePages kGermanPages;
extern const LanguagePages kFrenchPages;
extern const LanguagePages kSpanishPages;

extern const LanguageCredits kEnglishCredits;
extern const LanguageCredits kGermanCredits;
extern const LanguageCredits kFrenchCredits;
extern const LanguageCredits kSpanishCredits;
