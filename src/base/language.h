#pragma once

#include <string>
#include <string_view>
#include <vector>

// The languages the game speaks. English is the design's own and the fallback for every other.
enum class Language { kEnglish, kGerman, kFrench, kSpanish, kPolish, kRussian };

inline constexpr Language kLanguages[] = {Language::kEnglish, Language::kGerman, Language::kFrench,
                                          Language::kSpanish, Language::kPolish, Language::kRussian};

// The two-letter code of a language ("en", "de", "fr", "es", "pl", "ru"): the suffix of its catalogue
// and the folder of its pictures.
std::string_view LanguageCode(Language language);

// The capitals the language writes with a mark above them, in UTF-8 ("" for English): a
// picture text in the language keeps a clear row over their marks.
std::string_view AccentedCapitals(Language language);

// The language to speak, chosen as gettext programs choose theirs: `uiLanguages` is the
// desktop's list of preferred languages, best first ("de-DE", "fr", "en-GB", ...), and
// `messagesLocale` the locale that governs messages (LC_ALL, else LC_MESSAGES, else LANG).
// A messages locale of "C" or "POSIX", or none, means English whatever the list says; otherwise
// the first language of the list that the game speaks, English included, wins.
Language ChooseLanguage(const std::vector<std::string>& uiLanguages, std::string_view messagesLocale);

// The language the game speaks in this run. English until the application object sets it, before
// the first window opens.
Language GameLanguage();
void SetGameLanguage(Language language);
