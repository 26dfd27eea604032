#pragma once

#include <QImage>
#include <vector>

#include "picture_set.h"

// A proof of every picture at 4x for looking at by eye: each on the window's grey with the
// key colour let through, as stored on magenta, and over the help background; then the help
// background tiled 3 x 3.
QImage ContactSheet(const std::vector<Picture>& pictures, const Canvas& tile);
