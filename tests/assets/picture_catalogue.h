#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <string_view>

#include "base/language.h"

// Every picture the game and its help texts ask for, with the size the layout relies on.
// `keyed` pictures stand on the magenta that the help control makes transparent.
struct ExpectedPicture {
    std::string_view name;
    int width;
    int height;
    bool keyed;
};

inline constexpr std::array<ExpectedPicture, 32> kExpectedPictures = {{
    {"MYIMAGEU", 24, 24, false}, {"MYIMAGED", 24, 24, false},   {"MYIMAGEF", 24, 24, false},
    {"MYIMAGEX", 24, 24, false}, {"IMAGEU", 24, 24, false},     {"IMAGED", 24, 24, false},
    {"IMAGEX", 24, 24, false},   {"HELPU", 36, 20, false},      {"HELPD", 36, 20, false},
    {"SOUNDU", 36, 20, false},   {"SOUNDD", 36, 20, false},     {"SOUNDF", 36, 20, false},
    {"DEMOU", 36, 20, false},    {"DEMOD", 36, 20, false},      {"HINTU", 36, 20, false},
    {"HINTD", 36, 20, false},    {"BACKU", 36, 20, false},      {"BACKD", 36, 20, false},
    {"BITMAP1", 84, 30, true},   {"GLIMMERJIG", 143, 20, true}, {"ZORVATH", 168, 48, true},
    {"LEVELIM", 72, 50, false},  {"SIZE", 76, 130, false},      {"MANUAL1", 164, 180, true},
    {"MANUAL2", 82, 180, true},  {"MANUAL3", 82, 180, true},    {"SCORE", 63, 34, false},
    {"SCORE2", 63, 34, false},   {"TWO", 84, 27, true},         {"BACKI1", 32, 39, false},
    {"BACKI2", 8, 8, false},     {"ICON128", 32, 32, false},
}};

inline constexpr QRgb kKeyColour = 0xFFFF00FF;

// The pictures that show a word, and those a language draws in its own words: where its word
// looks as the English one does, it shows the shared picture.
inline constexpr std::array<std::string_view, 4> kWordPictures = {"HELPU", "DEMOU", "HINTU",
                                                                  "BACKU"};

struct TranslatedPicture {
    Language language;
    std::string_view name;
};

inline constexpr std::array<TranslatedPicture, 17> kTranslatedPictures = {{
    {Language::kGerman, "HELPU"},  {Language::kGerman, "HINTU"},  {Language::kGerman, "BACKU"},
    {Language::kFrench, "HELPU"},  {Language::kFrench, "DEMOU"},  {Language::kFrench, "HINTU"},
    {Language::kFrench, "BACKU"},  {Language::kSpanish, "HELPU"}, {Language::kSpanish, "HINTU"},
    {Language::kSpanish, "BACKU"}, {Language::kPolish, "HELPU"},  {Language::kPolish, "HINTU"},
    {Language::kPolish, "BACKU"},  {Language::kRussian, "HELPU"}, {Language::kRussian, "DEMOU"},
    {Language::kRussian, "HINTU"}, {Language::kRussian, "BACKU"},
}};

// A picture's file below the bitmaps folder: "HELPU.bmp", or in a language's folder
// "de/HELPU.bmp".
inline QString BitmapFile(std::string_view name, Language language = Language::kEnglish)
{
    const QString file =
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + ".bmp";
    if (language == Language::kEnglish)
        return file;
    const std::string_view code = LanguageCode(language);
    return QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())) + '/' + file;
}
