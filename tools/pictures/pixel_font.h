#pragma once

#include <string_view>

#include "canvas.h"

// A small bitmap font of the tool's own, so the pictures never depend on installed fonts.
// Capitals and digits stand 7 pixels high; descenders reach 2 pixels below the baseline, and
// the acute over a small letter rises one pixel above the capitals.
// Texts are UTF-8. A character without a glyph is drawn as a space.
// `scale` magnifies every font pixel to a square; `bold` doubles every stroke sideways; `narrow`
// takes the narrower form of the letters that have one, for a word that must fit a tight place.
struct TextStyle {
    Ink ink = kBlack;
    int scale = 1;
    bool bold = false;
    int tracking = 0;  // extra pixels between letters
    bool narrow = false;
};

inline constexpr int kCapHeight = 7;

// Whether every character of `text` has a glyph.
bool CanDraw(std::string_view text);
int TextWidth(std::string_view text, const TextStyle& style);
// Draws `text` with the top of its capitals at y.
void DrawText(Canvas& canvas, int x, int y, std::string_view text, const TextStyle& style);
// Draws `text` centred horizontally in [x, x + width).
void DrawTextCentred(Canvas& canvas, int x, int width, int y, std::string_view text,
                     const TextStyle& style);
