// make_pictures <output-root> [--sheet <file.png>]
// Draws every picture of the game and writes <root>/resources/bitmaps/NAME.bmp, each language's
// own pictures (those that show words) as <root>/resources/bitmaps/<code>/NAME.bmp, and the
// icons, PNG and SVG, under <root>/packaging/icons, named by the application id; the PNG icons
// are also the window's.
// The same program always writes the same bytes.
#include <QImage>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bmp_file.h"
#include "contact_sheet.h"
#include "desktop_icon.h"
#include "picture_set.h"
#include "to_image.h"

namespace fs = std::filesystem;

namespace {

bool WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool SavePng(const QImage& image, const fs::path& path)
{
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    return image.save(QString::fromStdString(path.string()), "PNG");
}

bool WriteBitmaps(const fs::path& folder, const std::vector<Picture>& pictures)
{
    fs::create_directories(folder);
    for (const Picture& p : pictures) {
        if (!WriteBytes(folder / (p.name + ".bmp"), EncodeBmp(p.canvas)))
            return false;
    }
    return true;
}

bool WriteAll(const fs::path& root, const std::vector<Picture>& pictures)
{
    const fs::path bitmaps = root / "resources" / "bitmaps";
    if (!WriteBitmaps(bitmaps, pictures))
        return false;
    for (Language language : kLanguages) {
        const std::vector<Picture> own = TranslatedPictures(language);
        if (!own.empty() && !WriteBitmaps(bitmaps / LanguageCode(language), own))
            return false;
    }
    const fs::path hicolor = root / "packaging" / "icons" / "hicolor";
    const std::string icon = "io.glimmerjig.Glimmerjig";
    for (int size : kDesktopIconSizes) {
        const std::string dir = std::to_string(size) + "x" + std::to_string(size);
        if (!SavePng(ToImage(DesktopIcon(size), true), hicolor / dir / "apps" / (icon + ".png")))
            return false;
    }
    const std::string svg = ScalableIcon();
    fs::create_directories(hicolor / "scalable" / "apps");
    return WriteBytes(hicolor / "scalable" / "apps" / (icon + ".svg"),
                      std::vector<std::uint8_t>(svg.begin(), svg.end()));
}

}  // namespace

int main(int argc, char** argv)
{
    const bool with_sheet = argc == 4 && std::string(argv[2]) == "--sheet";
    if (argc != 2 && !with_sheet) {
        std::cerr << "usage: make_pictures <output-root> [--sheet <file.png>]\n";
        return 2;
    }
    const std::vector<Picture> pictures = AllPictures();
    try {
        if (!WriteAll(argv[1], pictures)) {
            std::cerr << "make_pictures: cannot write under " << argv[1] << "\n";
            return 1;
        }
    } catch (const fs::filesystem_error& error) {
        std::cerr << "make_pictures: " << error.what() << "\n";
        return 1;
    }
    if (with_sheet) {
        std::vector<Picture> shown = pictures;
        for (Language language : kLanguages) {
            const std::string code(LanguageCode(language));
            for (Picture& p : TranslatedPictures(language))
                shown.push_back({code + " " + p.name, std::move(p.canvas)});
        }
        Canvas tile = TilePictures().front().canvas;
        if (!SavePng(ContactSheet(shown, tile), argv[3])) {
            std::cerr << "make_pictures: cannot write " << argv[3] << "\n";
            return 1;
        }
    }
    return 0;
}
