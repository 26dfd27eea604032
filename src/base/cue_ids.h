#pragma once

// The four sound cues, by the ids their recordings carry.
inline constexpr int kCueWin = 243;    // the player won; the end of a demo whose game finished
inline constexpr int kCueClick = 244;  // a smiley taken or brought back, a new board, a closing box
inline constexpr int kCueLoop = 245;   // loops while Help is open; marks a finished demo game
inline constexpr int kCueLoss = 246;   // the computer won; a game abandoned
