#include "picture_text/pixel_rows.h"

#include <cstdint>
#include <cstring>

namespace {

using Pixels4 = std::uint32_t __attribute__((vector_size(16)));

Pixels4 Load(const Pixel* pixels)
{
    Pixels4 four;
    std::memcpy(&four, pixels, sizeof four);
    return four;
}

}  // namespace

void ComposeRow(const Pixel* canvas, const Pixel* tile, Pixel* to, int count, Pixel key)
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

PixelSpan SpanOtherThan(const Pixel* row, int count, Pixel key)
{
    // Two pixels a word: a word of the key colour alone XORs to zero.
    const std::uint64_t keys = (std::uint64_t{key} << 32) | key;
    const auto keyPair = [row, keys](int x) {
        std::uint64_t pair;
        std::memcpy(&pair, row + x, sizeof pair);
        return (pair ^ keys) == 0;
    };
    int left = 0;
    while (left + 2 <= count && keyPair(left))
        left += 2;
    while (left < count && row[left] == key)
        ++left;
    if (left == count)
        return {count, count};
    int right = count;
    while (right - 2 >= left && keyPair(right - 2))
        right -= 2;
    while (row[right - 1] == key)
        --right;
    return {left, right};
}
