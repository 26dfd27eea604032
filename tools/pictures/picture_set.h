#pragma once

#include <string>
#include <vector>

#include "base/language.h"
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

// The pictures `language` draws differently from English, the ones that show its words. Its
// folder holds only these; the game takes every other picture from the shared set.
std::vector<Picture> TranslatedPictures(Language language);
