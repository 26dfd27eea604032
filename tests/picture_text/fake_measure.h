#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "picture_text/engine.h"

// The pixel world as the engine tests want it: pictures by exact name, every character 7
// pixels wide, and line heights that differ from the cell heights, so that a rule that uses
// the one where it should use the other shows.
class FakeMeasure : public IPictureTextMeasure {
public:
    static constexpr int kCharWidth = 7;
    static constexpr int HeightOf(TextFont font) { return 20 + 2 * static_cast<int>(font); }

    std::map<std::string, PictureSize, std::less<>> pictures = {
        {"P30", {40, 30}}, {"P180", {164, 180}}, {"WIDE", {1000, 5}}};
    std::map<std::string, int, std::less<>> asked;  // picture look-ups by name

    std::optional<PictureSize> PictureSizeOf(std::string_view name) override
    {
        ++asked[std::string(name)];
        const auto found = pictures.find(name);
        return found == pictures.end() ? std::nullopt : std::optional<PictureSize>(found->second);
    }
    int TextWidth(std::string_view text, TextFont) override
    {
        return kCharWidth * static_cast<int>(text.size());
    }
    int TextHeight(std::string_view, TextFont font) override { return HeightOf(font); }
};

inline void PrintTo(const PixelRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
