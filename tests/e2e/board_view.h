#pragma once

#include <QImage>
#include <QPoint>
#include <gtest/gtest.h>

#include "dialog_pixels.h"

// Where the window's cells are and what they show, read from the pixels of its client area.
namespace board_view {

inline constexpr int kClientWidth = 317, kClientHeight = 271;

QPoint SmileyCell(int column, int height);
QPoint MirrorCell(int column, int height);
inline QPoint Centre(QPoint cell) { return cell + QPoint(12, 12); }

// A picture of the program's own, as RGB32 pixels.
QImage Picture(const char* name);
bool Shows(const QImage& window, QPoint cell, const QImage& picture);
// The picture with a focus mark on it: it differs from the picture only along the outline of
// a rectangle inside the cell.
bool ShowsWithFocusMark(const QImage& window, QPoint cell, const QImage& picture);

struct Board {
    int yellow = 0, grey = 0, white = 0, cyan = 0, other = 0;
};

// What the cells show: yellow smileys and empty grey cells on the smiley side, white and
// cyan faces on the mirror side.
Board Read(const QImage& window);

// The start of a game of size 9: 45 yellow smileys, 45 white mirrors, the Help and Sound
// buttons in their places.
testing::AssertionResult IsStartBoard(const QImage& window);

// The client area of the game window somewhere on a screen, found by its top-left smiley
// (column 9, height 9, the first smiley in reading order) with one at the bottom of that
// column; a null image when none shows.
QImage FindWindow(const QImage& screen);

}  // namespace board_view
