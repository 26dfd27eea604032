#include "base/language.h"

namespace {

Language g_language = Language::kEnglish;

// "de", "de-DE", "de_DE.UTF-8" and "de@euro" all name German.
bool Names(std::string_view tag, Language language)
{
    const std::string_view code = LanguageCode(language);
    if (tag.size() < code.size() || tag.substr(0, code.size()) != code)
        return false;
    return tag.size() == code.size() || tag[code.size()] == '-' || tag[code.size()] == '_' ||
           tag[code.size()] == '.' || tag[code.size()] == '@';
}

}  // namespace

std::string_view LanguageCode(Language language)
{
    switch (language) {
    case Language::kGerman:
        return "de";
    case Language::kFrench:
        return "fr";
    case Language::kSpanish:
        return "es";
    case Language::kPolish:
        return "pl";
    case Language::kRussian:
        return "ru";
    case Language::kEnglish:
        break;
    }
    return "en";
}

std::string_view AccentedCapitals(Language language)
{
    switch (language) {
    case Language::kGerman:
        return "ÄÖÜ";
    case Language::kFrench:
        return "ÀÂÉÈÊËÎÏÔÙÛÜŸ";
    case Language::kSpanish:
        return "ÁÉÍÑÓÚÜ";
    case Language::kPolish:
        return "ĆŃÓŚŹŻ";
    case Language::kRussian:
        return "ЁЙ";
    case Language::kEnglish:
        break;
    }
    return "";
}

Language ChooseLanguage(const std::vector<std::string>& uiLanguages, std::string_view messagesLocale)
{
    const std::string_view bare = messagesLocale.substr(0, messagesLocale.find_first_of(".@"));
    if (bare.empty() || bare == "C" || bare == "POSIX")
        return Language::kEnglish;
    for (const std::string& tag : uiLanguages) {
        for (Language language : kLanguages) {
            if (Names(tag, language))
                return language;
        }
    }
    return Language::kEnglish;
}

Language GameLanguage()
{
    return g_language;
}

void SetGameLanguage(Language language)
{
    g_language = language;
}
