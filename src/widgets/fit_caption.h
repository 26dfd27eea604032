#pragma once

class QPushButton;

// Fits the button's caption to its width: a caption too wide (a long contact address, say) is
// set in a smaller type, down to a floor, and then cut short in the middle; the whole caption
// stays the button's tool tip and accessible name. Call once the button has its size.
void FitCaption(QPushButton* button);
