// The control at the scale of the screen it is on (CTest runs this at 1, 1.25, 1.5, 1.75 and 2,
// with QT_SCALE_FACTOR): the tile sharp and even, the text drawn at the screen's resolution in
// its own colour with no fringe, and the scroll moving whole device rows at the design pace.
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

#include "art_on_device.h"
#include "picture_text_helper.h"

namespace {

constexpr QRgb kText = qRgb(0, 0, 100);

std::unique_ptr<CPictureText> StartedPage()
{
    auto control = MakeControl("Agjy \u00C0\u00DA W|mmm Qq||Agjy \u00C0\u00DA W|mmm Qq");
    control->SetColor(1, Rgb(0, 0, 100));
    control->SetColor(4, Rgb(0, 0, 100));
    control->Start();
    return control;
}

class PictureTextScaleTest : public testing::Test {
protected:
    std::unique_ptr<CPictureText> control = StartedPage();
    const double scale = control->devicePixelRatioF();
    // The tile alone, as the control shows it before its first tick.
    const QImage tile = Painted(control.get());
};

TEST_F(PictureTextScaleTest, TileIsExactOrMixedByShare)
{
    ASSERT_LE(std::abs(tile.width() - kPageSize.width() * scale), 1.0);
    ASSERT_LE(std::abs(tile.height() - kPageSize.height() * scale), 1.0);
    const ArtOnDevice measured = MeasureArtOnDevice(TileOnly(kPageSize), tile, QPointF(0, 0), scale);
    EXPECT_GT(measured.pixels, tile.width() * tile.height() / 2);
    EXPECT_EQ(measured.wrong, 0) << measured.firstWrong.toStdString();
    if (scale == std::round(scale)) {
        EXPECT_EQ(measured.mixed, 0);
    }
}

TEST_F(PictureTextScaleTest, TextIsItsOwnColourAtTheScreensResolution)
{
    Ticks(*control, 120);
    const QImage shown = Painted(control.get());
    std::set<QRgb> ink;
    int doubled = 0, rows = 0;  // pairs of device rows alike, of those holding ink
    for (int y = 0; y < shown.height(); ++y) {
        bool any = false;
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != tile.pixel(x, y)) {
                ink.insert(shown.pixel(x, y) | 0xff000000u);
                any = true;
            }
        }
        if (any && y % 2 == 0 && y + 1 < shown.height()) {
            ++rows;
            doubled += shown.copy(0, y, shown.width(), 1) == shown.copy(0, y + 1, shown.width(), 1) ? 1 : 0;
        }
    }
    EXPECT_EQ(ink, (std::set<QRgb>{kText})) << ink.size() << " colours where the text is";
    if (scale == 2) {
        // Glyphs drawn at the design size and doubled would repeat every row pair.
        EXPECT_LT(doubled, rows / 2) << doubled << " of " << rows << " row pairs repeat";
    }
}

TEST_F(PictureTextScaleTest, ScrollMovesWholeRowsAtTheDesignPace)
{
    Ticks(*control, 100);
    QImage before = Painted(control.get());
    int total = 0;
    constexpr int kTicks = 24;
    for (int tick = 0; tick < kTicks; ++tick) {
        Ticks(*control, 1);
        const QImage after = Painted(control.get());
        // The bottom device row may stand half under the design's last row, revealed a tick late.
        const int moved = RowsScrolled(before, after, tile, scale == std::round(scale) ? 0 : 1);
        EXPECT_TRUE(moved == std::floor(scale) || moved == std::ceil(scale)) << "tick " << tick << " moved " << moved;
        total += moved;
        before = after;
    }
    EXPECT_LE(std::abs(total - kTicks * scale), 1.0) << total << " rows in " << kTicks << " ticks";
}

}  // namespace
