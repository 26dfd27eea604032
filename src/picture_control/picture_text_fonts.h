#pragma once

#include <QFont>

#include "picture_text/engine.h"

// The font each text kind of a picture text is drawn in: "Arial" as fontconfig matches it, at
// the largest pixel size whose lines, deepest glyphs included, fit the kind's cell, so the
// cells hold whatever face the machine has for the name. Needs the application to exist.
const QFont& PictureTextFont(TextFont font);
