// The row loops that compose and measure ink four pixels a step: every length around the step
// and every place the ink or the key colour can stand, against what each pixel alone says.

#include "picture_text/pixel_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr Pixel kKey = 0xff00ff00;
constexpr Pixel kInk = 0xff000080;

TEST(PixelRows, SpanReachesFromTheFirstToTheLastInkedPixel)
{
    for (int count = 0; count <= 13; ++count) {
        const std::vector<Pixel> blank(static_cast<std::size_t>(count), kKey);
        const PixelSpan none = SpanOtherThan(blank.data(), count, kKey);
        EXPECT_EQ(none.left, none.right) << count;
        for (int first = 0; first < count; ++first) {
            for (int last = first; last < count; ++last) {
                std::vector<Pixel> row = blank;
                row[static_cast<std::size_t>(first)] = kInk;
                row[static_cast<std::size_t>(last)] = kInk ^ 1;
                const PixelSpan span = SpanOtherThan(row.data(), count, kKey);
                EXPECT_EQ(span.left, first) << count << " " << first << " " << last;
                EXPECT_EQ(span.right, last + 1) << count << " " << first << " " << last;
            }
        }
    }
}

TEST(PixelRows, ComposeShowsTheTileWhereverTheCanvasHasTheKeyColour)
{
    for (int count = 0; count <= 13; ++count) {
        for (unsigned pattern = 0; pattern < 8; ++pattern) {
            std::vector<Pixel> canvas, tile, to(static_cast<std::size_t>(count) + 1, 0);
            for (int x = 0; x < count; ++x) {
                canvas.push_back((pattern >> (x % 3)) & 1 ? kInk + static_cast<Pixel>(x) : kKey);
                tile.push_back(0xff400000u + static_cast<Pixel>(x));
            }
            ComposeRow(canvas.data(), tile.data(), to.data(), count, kKey);
            for (int x = 0; x < count; ++x) {
                const auto i = static_cast<std::size_t>(x);
                EXPECT_EQ(to[i], canvas[i] == kKey ? tile[i] : canvas[i]) << count << " " << pattern << " " << x;
            }
            EXPECT_EQ(to.back(), 0u) << "written past the row";
        }
    }
}

}  // namespace
