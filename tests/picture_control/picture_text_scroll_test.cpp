// The scrolling view of the picture-text control, read from its painted pixels.
#include <gtest/gtest.h>

#include "picture_text_helper.h"
#include "qt_print.h"

namespace {

const int W = kPageSize.width();
const int H = kPageSize.height();

// After the tick that fetched a picture and k - 1 more, its top k rows stand at the bottom.
TEST(PictureTextScrollTest, FirstLineBeginsOnTheFifteenthTick)
{
    auto control = MakeControl("MANUAL2^|");
    ASSERT_TRUE(control->Start());
    const QImage tile = TileOnly(kPageSize);
    for (int tick = 1; tick <= 14; ++tick) {
        control->RunTicks(1);
        ASSERT_EQ(Painted(control.get()), tile) << "tick " << tick;
    }
    const QPoint centred((W - 82) / 2, 0);
    for (int k = 1; k <= 40; ++k) {
        control->RunTicks(1);
        ASSERT_EQ(Painted(control.get()), WithPicture(tile, "MANUAL2", centred + QPoint(0, H - k), k))
            << "tick " << 14 + k;
    }
}

// A 180-pixel picture emerges over 181 ticks; the next line follows 15 ticks after that.
// The same words as large text and then as plain text: each emerges in its own font and
// colour slot.
TEST(PictureTextScrollTest, EmergingLineTakesTheStyleOfItsOwnKind)
{
    auto control = MakeControl("Same\t|Same");
    control->SetColor(kLargeColour, Rgb(255, 0, 0));
    control->SetColor(kPlainColour, Rgb(0, 0, 255));
    control->Start();
    Ticks(*control, 15 + 19 + 14);  // the plain line has emerged whole
    const QImage band = Painted(control.get()).copy(0, control->height() - 15, control->width(), 15);
    int red = 0, blue = 0;
    for (int y = 0; y < band.height(); ++y)
        for (int x = 0; x < band.width(); ++x) {
            red += band.pixel(x, y) == qRgb(255, 0, 0);
            blue += band.pixel(x, y) == qRgb(0, 0, 255);
        }
    EXPECT_EQ(red, 0);
    EXPECT_GT(blue, 0);
}

TEST(PictureTextScrollTest, TallPictureTakesItsHeightPlusOneTick)
{
    auto control = MakeControl("MANUAL1^|MANUAL2^|");
    ASSERT_TRUE(control->Start());
    Ticks(*control, 209);
    const QImage tile = TileOnly(kPageSize);
    const QPoint first((W - 164) / 2, H - 195);
    EXPECT_EQ(Painted(control.get()), WithPicture(tile, "MANUAL1", first));
    control->RunTicks(1);
    const QImage expected = WithPicture(WithPicture(tile, "MANUAL1", first - QPoint(0, 1)), "MANUAL2",
                                        QPoint((W - 82) / 2, H - 1), 1);
    EXPECT_EQ(Painted(control.get()), expected);
}

// Both views of a picture name, whatever its case, show the same picture.
TEST(PictureTextScrollTest, PictureNamesIgnoreCase)
{
    auto upper = MakeControl("BITMAP1^");
    auto lower = MakeControl("bitmap1^");
    upper->Start();
    lower->Start();
    Ticks(*upper, 40);
    Ticks(*lower, 40);
    const QImage frame = Painted(upper.get());
    EXPECT_NE(frame, TileOnly(kPageSize));
    EXPECT_EQ(Painted(lower.get()), frame);
}

// The column is as wide as the widest line so far; nothing outside it is shown on a tick.
TEST(PictureTextScrollTest, ColumnWidensDuringTheFirstPass)
{
    const QImage tile = TileOnly(kPageSize);
    const QRect pictureColumn((W - 24) / 2, 0, 24, H);
    auto control = MakeControl("MYIMAGEU^|WWWWWWWWWWWWWWWW\t|");
    control->Start();
    Ticks(*control, 53);  // the smiley has emerged, the text line is not fetched yet
    QRect ink = Ink(Painted(control.get()), tile);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(pictureColumn.contains(ink)) << ink.x() << " " << ink.width();
    Ticks(*control, 19);
    ink = Ink(Painted(control.get()), tile);
    EXPECT_GT(ink.width(), 100);
    EXPECT_LE(std::abs(ink.left() + ink.right() + 1 - W), 4) << "not centred";
}

TEST(PictureTextScrollTest, TextOutsideTheColumnNeverShows)
{
    const QImage tile = TileOnly(kPageSize);
    const QRect pictureColumn((W - 24) / 2, 0, 24, H);
    auto control = MakeControl("MYIMAGEU^");  // the whole first pass: 24 pixels wide
    control->Start();
    Ticks(*control, 20);
    control->SetText("WWWWWWWWWWWWWWWW\t", '|');
    for (int tick = 0; tick < 80; ++tick) {
        control->RunTicks(1);
        const QRect ink = Ink(Painted(control.get()), tile);
        ASSERT_TRUE(ink.isEmpty() || pictureColumn.contains(ink)) << "tick " << tick;
    }
    EXPECT_FALSE(Ink(Painted(control.get()), tile).isEmpty());
}

TEST(PictureTextScrollTest, LineWiderThanTheControlIsClippedAtBothSides)
{
    const QImage tile = TileOnly(kPageSize);
    auto control = MakeControl(std::string(100, 'W') + "\t");
    control->Start();
    Ticks(*control, 15 + 18);
    const QRect ink = Ink(Painted(control.get()), tile);
    EXPECT_LE(ink.left(), 8);
    EXPECT_GE(ink.right(), W - 9);
}

struct KeyCase {
    COLORREF text;
    bool shows;
};

class PictureTextKeyTest : public testing::TestWithParam<KeyCase> {};

// Exactly the key colour is transparent; one unit off is a colour like any other.
TEST_P(PictureTextKeyTest, OnlyTheExactKeyColourIsTransparent)
{
    auto control = MakeControl("HHHHHHHHHHHH\t");
    control->SetColor(1, GetParam().text);
    control->Start();
    Ticks(*control, 15 + 18);
    const QImage frame = Painted(control.get());
    const QRgb colour = ToQRgb(GetParam().text);
    int drawn = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            drawn += frame.pixel(x, y) == colour;
    if (GetParam().shows)
        EXPECT_GT(drawn, 100);
    else
        EXPECT_EQ(frame, TileOnly(kPageSize));
}

INSTANTIATE_TEST_SUITE_P(Colours, PictureTextKeyTest,
                         testing::Values(KeyCase{Rgb(255, 0, 255), false},
                                         KeyCase{Rgb(254, 0, 255), true},
                                         KeyCase{Rgb(0, 0, 255), true}));

// Without a tile the drawing surface shows as it is, key colour and all.
TEST(PictureTextScrollTest, WithoutTileTheKeyColourShows)
{
    auto control = MakeControl("MANUAL2^", kPageSize, "NO SUCH TILE");
    control->Start();
    Ticks(*control, 3);
    QImage all(kPageSize, QImage::Format_RGB32);
    all.fill(kMagenta);
    EXPECT_EQ(Painted(control.get()), all);
}

}  // namespace
