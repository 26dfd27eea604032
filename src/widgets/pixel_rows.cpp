#include "widgets/pixel_rows.h"

#include <cstdint>
#include <cstring>

namespace {

using Pixels4 = std::uint32_t __attribute__((vector_size(16)));
static_assert(sizeof(QRgb) == sizeof(std::uint32_t));

Pixels4 Load(const QRgb* pixels)
{
    Pixels4 four;
    std::memcpy(&four, pixels, sizeof four);
    return four;
}

bool AllEqual(Pixels4 four, Pixels4 keys)
{
    const auto same = reinterpret_cast<Pixels4>(four == keys);
    return (same[0] & same[1] & same[2] & same[3]) != 0;
}

}  // namespace

void ComposeRow(const QRgb* canvas, const QRgb* tile, QRgb* to, int count, QRgb key)
{
    const Pixels4 keys = Pixels4{} + key;
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        const Pixels4 from = Load(canvas + x);
        const auto isKey = reinterpret_cast<Pixels4>(from == keys);
        const Pixels4 pixels = (Load(tile + x) & isKey) | (from & ~isKey);
        std::memcpy(to + x, &pixels, sizeof pixels);
    }
    for (; x < count; ++x)
        to[x] = canvas[x] != key ? canvas[x] : tile[x];
}

PixelSpan SpanOtherThan(const QRgb* row, int count, QRgb key)
{
    const Pixels4 keys = Pixels4{} + key;
    int left = 0;
    while (left + 4 <= count && AllEqual(Load(row + left), keys))
        left += 4;
    while (left < count && row[left] == key)
        ++left;
    if (left == count)
        return {count, count};
    int right = count;
    while (right - 4 >= left && AllEqual(Load(row + right - 4), keys))
        right -= 4;
    while (row[right - 1] == key)
        --right;
    return {left, right};
}
