#pragma once

#include <algorithm>
#include <iterator>
#include <string_view>

#include "base/language.h"

// The tool buttons' pictures are 36 x 20; four of them show a word.
inline constexpr int kToolButtonWidth = 36;
inline constexpr int kToolButtonHeight = 20;

// The tool buttons' words in one language, as pixel-font texts (Windows-1252).
struct ButtonWords {
    Language language;
    std::string_view help;
    std::string_view demo;
    std::string_view hint;
    std::string_view back;
};

// French takes "Recul" for Back: "Retour" is one pixel too wide to leave the face showing on
// both sides of it.
inline constexpr ButtonWords kButtonWords[] = {
    {Language::kEnglish, "Help", "Demo", "Hint", "Back"},
    {Language::kGerman, "Hilfe", "Demo", "Tipp", "Zur\xFC" "ck"},
    {Language::kFrench, "Aide", "D\xE9mo", "Indice", "Recul"},
    {Language::kSpanish, "Ayuda", "Demo", "Pista", "Atr\xE1s"},
};

static_assert(std::all_of(std::begin(kLanguages), std::end(kLanguages),
                          [](Language language) {
                              return std::any_of(std::begin(kButtonWords), std::end(kButtonWords),
                                                 [=](const ButtonWords& words) {
                                                     return words.language == language;
                                                 });
                          }),
              "every language the game speaks has its button words");
