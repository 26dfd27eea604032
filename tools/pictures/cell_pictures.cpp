#include "faces.h"
#include "picture_set.h"

namespace {

constexpr int kCell = 24;

Canvas Face(FaceColours colours, Mood mood)
{
    Canvas canvas(kCell, kCell, kSilver);
    DrawFace(canvas, 1, 1, kCell - 2, colours, mood);
    return canvas;
}

// The pressed smiley: sad, and struck through from upper left to lower right.
Canvas StruckFace()
{
    Canvas canvas = Face(kCyanFace, Mood::kSad);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            if (canvas.at(x, y) != kSilver && x - y >= -2 && x - y <= 1)
                canvas.Set(x, y, kBlack);
    return canvas;
}

}  // namespace

std::vector<Picture> CellPictures()
{
    std::vector<Picture> pictures;
    pictures.push_back({"MYIMAGEU", Face(kYellowFace, Mood::kHappy)});
    pictures.push_back({"MYIMAGED", StruckFace()});
    pictures.push_back({"MYIMAGEF", Face(kWhiteFace, Mood::kHappy)});
    pictures.push_back({"MYIMAGEX", Canvas(kCell, kCell, kSilver)});
    pictures.push_back({"IMAGEU", Face(kCyanFace, Mood::kSad)});
    pictures.push_back({"IMAGED", Face(kWhiteFace, Mood::kHappy)});
    pictures.push_back({"IMAGEX", Face(kWhiteFace, Mood::kHappy)});
    return pictures;
}
