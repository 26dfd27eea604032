#pragma once

#include <string_view>

#include "canvas.h"

// A small bitmap font of the tool's own, so the pictures never depend on installed fonts.
// Capitals and digits stand 7 pixels high; descenders reach 2 pixels below the baseline, and
// the acute over a small letter rises one pixel above the capitals.
// Texts are Windows-1252 bytes, like every picture text of the game: "\xFC" is u with diaeresis.
// A hex escape takes in every hex digit after it, so split the literal after one: "Zur\xFC" "ck".
// `scale` magnifies every font pixel to a square; `bold` doubles every stroke sideways.
struct TextStyle {
    Ink ink = kBlack;
    int scale = 1;
    bool bold = false;
    int tracking = 0;  // extra pixels between letters
};

inline constexpr int kCapHeight = 7;

// Whether every character of `text` has a glyph; any other is drawn as a space.
bool CanDraw(std::string_view text);
int TextWidth(std::string_view text, const TextStyle& style);
// Draws `text` with the top of its capitals at y.
void DrawText(Canvas& canvas, int x, int y, std::string_view text, const TextStyle& style);
// Draws `text` centred horizontally in [x, x + width).
void DrawTextCentred(Canvas& canvas, int x, int width, int y, std::string_view text,
                     const TextStyle& style);
