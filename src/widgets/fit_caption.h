#pragma once

#include <vector>

class QPushButton;

// Fits the button's caption to its width, inside the frame the style draws the focus with and two
// clear pixels from it on either side: a caption too wide (a long contact address, say) is set in
// a smaller type, down to a floor, and then cut short in the middle; the whole caption stays the
// button's tool tip and accessible name. Call once the button has its size.
void FitCaption(QPushButton* button);

// Shares out the width of a row of buttons, given left to right, when a caption would be cut
// short even in FitCaption's smallest type. Then, while the row is narrower than all its
// captions need, the widest caption takes a smaller type; and each button too narrow for its
// caption takes the room that others spare, nearest first. The row keeps its ends, its order
// and its gaps; a row whose captions all fit, if need be in smaller type, stays as it is.
void FitRow(const std::vector<QPushButton*>& row);
