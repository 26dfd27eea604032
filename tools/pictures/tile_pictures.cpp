#include "faces.h"
#include "picture_set.h"

namespace {

// Copies `sprite` onto `tile` as if the tile repeated in every direction, so a face that
// crosses an edge comes back in on the opposite one and the tiling has no seams.
void PasteWrapped(Canvas& tile, const Canvas& sprite, int x, int y)
{
    for (int row = 0; row < sprite.height(); ++row) {
        for (int col = 0; col < sprite.width(); ++col) {
            if (sprite.at(col, row) == kWhite)
                continue;
            const int tx = ((x + col) % tile.width() + tile.width()) % tile.width();
            const int ty = ((y + row) % tile.height() + tile.height()) % tile.height();
            tile.Set(tx, ty, sprite.at(col, row));
        }
    }
}

// A face drawn in outline only, in the faint ink.
Canvas FaintFace(int diameter, Mood mood)
{
    Canvas sprite(diameter, diameter, kWhite);
    DrawFace(sprite, 0, 0, diameter, {kWhite, kWhite, kPale}, mood);
    sprite.Recolour(0, 0, diameter, diameter, kBlack, kPale);
    return sprite;
}

Canvas FacesTile()
{
    Canvas tile(32, 39, kWhite);
    PasteWrapped(tile, FaintFace(15, Mood::kHappy), 2, 3);
    PasteWrapped(tile, FaintFace(15, Mood::kHappy), 18, 22);
    return tile;
}

}  // namespace

std::vector<Picture> TilePictures()
{
    std::vector<Picture> pictures;
    pictures.push_back({"BACKI1", FacesTile()});
    pictures.push_back({"BACKI2", Canvas(8, 8, kWhite)});
    return pictures;
}

Picture IconPicture()
{
    Canvas icon(32, 32, kMagenta);
    DrawFace(icon, 0, 0, 32, kYellowFace, Mood::kHappy);
    return {"ICON128", icon};
}

std::vector<Picture> AllPictures()
{
    std::vector<Picture> all;
    for (auto group : {CellPictures(), ButtonPictures(), HelpPictures(), TilePictures()})
        for (Picture& p : group)
            all.push_back(std::move(p));
    all.push_back(IconPicture());
    return all;
}
