#pragma once

#include <QImage>

#include "canvas.h"

// The canvas as a 32-bit image; with `key_transparent` its magenta pixels become transparent.
QImage ToImage(const Canvas& canvas, bool key_transparent);
