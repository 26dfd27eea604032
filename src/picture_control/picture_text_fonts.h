#pragma once

#include <QFont>

#include "picture_text/engine.h"

// The font each text kind of a picture text is drawn in: "Arial" as fontconfig matches it, at
// the largest pixel size whose lines fit the kind's cell with the ink of their accented
// capitals and deepest glyphs, so the cells hold whatever face the machine has for the name.
// Needs the application to exist.
const QFont& PictureTextFont(TextFont font);
// The rows a line of the kind stands below the top of its cell: 0 unless the font's accents
// rise above its ascent and its descent has rows to spare.
int PictureTextDrop(TextFont font);
