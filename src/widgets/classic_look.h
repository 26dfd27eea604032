#pragma once

#include <QFont>

class QApplication;

// The look of the game's era for every dialog and message box: the classic three-dimensional
// "Windows" style, light grey (192, 192, 192) with black text, and the dialog font substitute.
void ApplyClassicLook(QApplication& app);

// Pixel size of the dialog font substitute ("Arial", Liberation Sans on Linux), chosen so
// the captions fit the controls converted from dialog units.
inline constexpr int kDialogFontPixels = 11;

// The size for a language that writes marks over capitals. At 11 px Liberation Sans's marks
// are too small for the pixel grid: the two dots of a diaeresis, each about a pixel wide and a
// pixel apart, are smoothed into one grey bar, and the light hinting fontconfig asks for lifts
// the capital into the row under it ("Über" reads "Uber"); the grave of "À" is left at less than
// half a pixel's ink. At 12 px every mark of the languages' texts stands clear of its letter and
// the dots apart, at every scale; the font's own hinting does not help at 11 px.
inline constexpr int kMarkedDialogFontPixels = 12;

// The dialog font substitute in the size the game's language needs, for the widgets that size
// themselves to their text: tab titles, menus, message boxes. Captions keep the dialog font
// their controls were measured for.
QFont SelfSizedFont();
