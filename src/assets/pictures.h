#pragma once

#include <QImage>
#include <string_view>

// The program's pictures, by resource name without regard to case ("Glimmerjig" and
// "GLIMMERJIG" are the same). Returns false and leaves *picture alone when there is none.
bool LoadPicture(std::string_view name, QImage* picture);
