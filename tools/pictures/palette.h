#pragma once

#include <array>
#include <cstdint>

// The sixteen colours every generated picture is drawn in, stored in this order in each
// bitmap's colour table. Magenta is the key colour of the help texts: a picture uses it only
// where the background must show through.
enum Ink : std::uint8_t {
    kBlack,
    kMaroon,
    kOlive,
    kNavy,
    kPurple,
    kTeal,
    kGrey,
    kSilver,
    kRed,
    kYellow,
    kBlue,
    kMagenta,
    kCyan,
    kWhite,
    kOrchid,  // the visible magenta of faces, one clear step away from the key colour
    kPale,    // the faint lines of the help background
};

struct Rgb {
    std::uint8_t r, g, b;
};

inline constexpr std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},
    {128, 0, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {128, 128, 128},
    {192, 192, 192},
    {255, 0, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
    {224, 64, 224},
    {214, 226, 244},
}};
