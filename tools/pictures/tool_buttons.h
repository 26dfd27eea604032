#pragma once

#include <algorithm>
#include <iterator>
#include <string_view>

#include "base/language.h"
#include "pixel_font.h"

// The tool buttons' pictures are 36 x 20; four of them show a word.
inline constexpr int kToolButtonWidth = 36;
inline constexpr int kToolButtonHeight = 20;
// The dotted frame the button shows with the keyboard focus stands this far inside its edge.
inline constexpr int kToolButtonFocusInset = 2;

// The tool buttons' words in one language, as pixel-font texts.
struct ButtonWords {
    Language language;
    std::string_view help;
    std::string_view demo;
    std::string_view hint;
    std::string_view back;
};

// Where the word of the language's desktops is far wider than the face, the button takes the
// nearest word that fits: Polish "Rada" for "Podpowiedź", Russian "Совет" for "Подсказка"; the
// tab and what a screen reader says keep the full word.
inline constexpr ButtonWords kButtonWords[] = {
    {Language::kEnglish, "Help", "Demo", "Hint", "Back"},
    {Language::kGerman, "Hilfe", "Demo", "Tipp", "Zurück"},
    {Language::kFrench, "Aide", "Démo", "Indice", "Retour"},
    {Language::kSpanish, "Ayuda", "Demo", "Pista", "Atrás"},
    {Language::kPolish, "Pomoc", "Demo", "Rada", "Cofnij"},
    {Language::kRussian, "Справка", "Демо", "Совет", "Назад"},
};

static_assert(std::all_of(std::begin(kLanguages), std::end(kLanguages),
                          [](Language language) {
                              return std::any_of(std::begin(kButtonWords), std::end(kButtonWords),
                                                 [=](const ButtonWords& words) {
                                                     return words.language == language;
                                                 });
                          }),
              "every language the game speaks has its button words");

// How a word is lettered on the face: in the regular letters, or in the narrow ones when the
// regular would leave no clear pixel between the word and the focus frame on either side.
TextStyle ButtonWordStyle(std::string_view word);

// The columns [left, right] the word's ink takes where it is centred on the face.
struct WordColumns {
    int left;
    int right;
};
WordColumns ButtonWordColumns(std::string_view word, const TextStyle& style);
