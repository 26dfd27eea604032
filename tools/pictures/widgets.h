#pragma once

#include "canvas.h"

// Pieces of a 1990s desktop's controls, drawn in the light grey scheme of the game's window.

struct Box {
    int x, y, w, h;
};

// A push button standing out (raised) or pushed in, filled with light grey.
void DrawRaisedButton(Canvas& canvas, int x, int y, int w, int h);
// What shows of a raised button's grey face: inside its one-pixel light edge at the left and
// top and its two-pixel shadow at the right and bottom.
Box RaisedButtonFace(int x, int y, int w, int h);
void DrawPressedButton(Canvas& canvas, int x, int y, int w, int h);
// A two-pixel sunken edge around the rectangle, leaving its inside alone.
void DrawSunkenEdge(Canvas& canvas, int x, int y, int w, int h);
// A 12 x 12 radio button, with its dot when `checked`.
void DrawRadioButton(Canvas& canvas, int x, int y, bool checked);
// The arrow mouse pointer, 12 x 19, tip at (x, y).
void DrawPointer(Canvas& canvas, int x, int y);
// A loudspeaker with three sound waves to its right, 20 x 12.
void DrawLoudspeaker(Canvas& canvas, int x, int y);
// A loudspeaker turned up, its cone opening to the top, 16 x 11.
void DrawLoudspeakerUp(Canvas& canvas, int x, int y);
// A solid triangle 6 wide and 11 high, pointing right or left.
void DrawTriangle(Canvas& canvas, int x, int y, bool right, Ink ink);
