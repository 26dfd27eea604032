#pragma once

// The logical length to give a window of `logical` pixels at a screen's scale: the nearest at
// or above it that covers a whole number of device pixels (318 for 317 at 1.5, 320 at 1.25 or
// 1.75), so that a compositor that places the window at a whole logical position shows its
// buffer pixel for pixel. `logical` itself at a whole scale, and where no length within a few
// pixels is whole.
int WholeOnDevice(int logical, double scale);
