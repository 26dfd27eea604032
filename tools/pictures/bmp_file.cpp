#include "bmp_file.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kColourTableSize = 16 * 4;

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas)
{
    const auto width = static_cast<std::uint32_t>(canvas.width());
    const auto height = static_cast<std::uint32_t>(canvas.height());
    const std::uint32_t stride = ((width + 1) / 2 + 3) / 4 * 4;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + kColourTableSize;
    const std::uint32_t image_size = stride * height;

    std::vector<std::uint8_t> out;
    out.reserve(offset + image_size);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + image_size);
    Put32(out, 0);  // reserved
    Put32(out, offset);

    Put32(out, kInfoHeaderSize);
    Put32(out, width);
    Put32(out, height);  // positive: bottom-up rows
    Put16(out, 1);       // planes
    Put16(out, 4);       // bits per pixel
    Put32(out, 0);       // BI_RGB
    Put32(out, image_size);
    Put32(out, 0);   // horizontal resolution: unspecified
    Put32(out, 0);   // vertical resolution: unspecified
    Put32(out, 16);  // colours used
    Put32(out, 0);   // all colours important

    for (const Rgb& colour : kPalette) {
        out.push_back(colour.b);
        out.push_back(colour.g);
        out.push_back(colour.r);
        out.push_back(0);
    }

    for (int y = canvas.height() - 1; y >= 0; --y) {
        const std::size_t row_start = out.size();
        for (int x = 0; x < canvas.width(); x += 2) {
            const int high = canvas.at(x, y);
            const int low = x + 1 < canvas.width() ? canvas.at(x + 1, y) : 0;
            out.push_back(static_cast<std::uint8_t>(high << 4 | low));
        }
        out.resize(row_start + stride, 0);
    }
    return out;
}
