#pragma once

#include <QFont>

#include "picture_text/engine.h"

// The font each text kind of a picture text is drawn in, in the game's language: "Arial" as
// fontconfig matches it, at the largest pixel size whose lines fit the kind's cell with the ink
// of their deepest glyphs and of the language's accented capitals, leaving the cell's top row
// clear, so the cells hold whatever face the machine has for the name and a mark over a
// capital never meets the descenders of the line above, and whose diaereses over the language's
// letters show as two dots. Glyphs are fully hinted, so letters stand at whole-pixel advances
// as evenly as their shapes. Needs the application to exist.
// At a device scale other than 1 the cell is the rows the kind's cell covers on the device
// (whole rows only), and the font is chosen for it by the same rule: glyphs drawn at the
// screen's own resolution. No size is taken there that sets the language's letters wider than
// the font at 1 does times the scale, so a line whole at 100 % is whole at every scale.
const QFont& PictureTextFont(TextFont font, double scale = 1.0);
// The rows a line of the kind stands below the top of its cell: 0 unless the ink would reach
// the top row and the descent has rows to spare.
int PictureTextDrop(TextFont font, double scale = 1.0);
// The whole device rows a cell of the kind covers at the scale.
int PictureTextCellRows(TextFont font, double scale);
