#pragma once

class QApplication;

// The look of the game's era for every dialog and message box: the classic three-dimensional
// "Windows" style, light grey (192, 192, 192) with black text, and the dialog font substitute.
void ApplyClassicLook(QApplication& app);

// Pixel size of the dialog font substitute ("Arial", Liberation Sans on Linux), chosen so
// the captions fit the controls converted from dialog units.
inline constexpr int kDialogFontPixels = 11;
