#pragma once

#include "canvas.h"

enum class Mood { kHappy, kSad };

// The colours of one smiley: its face, the shadow on its lower right, and its rim.
struct FaceColours {
    Ink face;
    Ink shadow;
    Ink rim;
};

inline constexpr FaceColours kYellowFace{kYellow, kOlive, kBlack};
inline constexpr FaceColours kCyanFace{kCyan, kTeal, kBlack};
inline constexpr FaceColours kWhiteFace{kWhite, kSilver, kBlack};
inline constexpr FaceColours kOrchidFace{kOrchid, kPurple, kBlack};

// Draws a smiley of the given diameter with its bounding box at (x, y). Sizes from 12 pixels
// up read as faces; black eyes and mouth, a white glint on the upper left.
void DrawFace(Canvas& canvas, int x, int y, int diameter, FaceColours colours, Mood mood);
