#pragma once

#include <QImage>
#include <string_view>

// The program's pictures, by resource name without regard to case ("Glimmerjig" and
// "GLIMMERJIG" are the same), as the game's language shows them: its own picture where it draws
// one in its words, else the shared one. Returns false and leaves *picture alone when there is
// none.
bool LoadPicture(std::string_view name, QImage* picture);
