#pragma once

#include <string>
#include <vector>

#include "canvas.h"

// One generated picture and the resource name it is stored under.
struct Picture {
    std::string name;
    Canvas canvas;
};

std::vector<Picture> CellPictures();
std::vector<Picture> ButtonPictures();
std::vector<Picture> HelpPictures();
std::vector<Picture> TilePictures();
// The 32 x 32 window icon; magenta marks its transparent background.
Picture IconPicture();

// Every picture above, in a fixed order.
std::vector<Picture> AllPictures();
