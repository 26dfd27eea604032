#pragma once

#include <QScreen>

// The scales laptops run, each the device pixel ratio of one screen of the offscreen platform
// that the laptop-screens test main sets up, so one test program draws at all of them: a widget
// given a screen with setScreen() paints at its scale without being shown.
inline constexpr double kLaptopScales[] = {1.0, 1.25, 1.5, 1.75, 2.0};

// The screen of that scale; fails the test (and returns the primary screen) when there is none.
QScreen* LaptopScreen(double scale);
