#include <cstddef>

#include "base/product.h"
#include "base/translatable.h"
#include "help/language_texts.h"

// Every language's texts are put together once, on first use, and kept.

namespace {

constexpr std::size_t kLanguageCount = std::size(kLanguages);

std::size_t IndexOf(Language language)
{
    return static_cast<std::size_t>(language);
}

const LanguagePages& PagesIn(Language language)
{
    switch (language) {
    case Language::kGerman: return kGermanPages;
    case Language::kFrench: return kFrenchPages;
    case Language::kSpanish: return kSpanishPages;
    case Language::kEnglish: break;
    }
    return kEnglishPages;
}

const LanguageCredits& CreditsIn(Language language)
{
    switch (language) {
    case Language::kGerman: return kGermanCredits;
    case Language::kFrench: return kFrenchCredits;
    case Language::kSpanish: return kSpanishCredits;
    case Language::kEnglish: break;
    }
    return kEnglishCredits;
}

// The credits from the first picture to the banner, then the notices, the contact address as a
// large-text line and the blank lines before the text starts again. The address is a pointer
// of the product facts, not a literal, so the texts are built at run time.
std::string Assembled(std::string_view head, const LanguageCredits& credits)
{
    return std::string(head) + std::string(credits.notices) + "|" + kContactEmail + "\t|||||";
}

struct Credits {
    std::string box;
    std::string tab;
};

const Credits& CreditsOf(Language language)
{
    static const auto texts = [] {
        std::array<Credits, kLanguageCount> all;
        for (const Language each : kLanguages) {
            const LanguageCredits& credits = CreditsIn(each);
            all[IndexOf(each)] = {Assembled(credits.box, credits), Assembled(credits.tab, credits)};
        }
        return all;
    }();
    return texts[IndexOf(language)];
}

}  // namespace

const std::string& CreditsText(Language language)
{
    return CreditsOf(language).box;
}

const std::string& AboutPageText(Language language)
{
    return CreditsOf(language).tab;
}

const std::array<HelpPageText, kHelpPageCount>& HelpPageTexts(Language language)
{
    // The game's name is the same in every language and has no catalogue entry.
    static constexpr std::array<std::string_view, kHelpPageCount> kTitles = {
        "Glimmerjig",
        QT_TRANSLATE_NOOP("HelpPages", "Level"),
        QT_TRANSLATE_NOOP("HelpPages", "Score"),
        QT_TRANSLATE_NOOP("HelpPages", "Back"),
        QT_TRANSLATE_NOOP("HelpPages", "Hint"),
        QT_TRANSLATE_NOOP("HelpPages", "Sound"),
        QT_TRANSLATE_NOOP("HelpPages", "Demo"),
        QT_TRANSLATE_NOOP("HelpPages", "About"),
    };
    static const auto tables = [] {
        std::array<std::array<HelpPageText, kHelpPageCount>, kLanguageCount> all{};
        for (const Language each : kLanguages) {
            auto& table = all[IndexOf(each)];
            const LanguagePages& pages = PagesIn(each);
            for (std::size_t i = 0; i < pages.pages.size(); ++i)
                table[i] = {kTitles[i], pages.pages[i]};
            table.back() = {kTitles.back(), AboutPageText(each)};
        }
        return all;
    }();
    return tables[IndexOf(language)];
}
