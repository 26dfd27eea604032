// Pixel art on a device grid: exact blocks at a whole scale from a whole position, and at any
// position the device pixels the art only partly covers take the art's colours alone.
#include <QImage>
#include <gtest/gtest.h>

#include "art_on_device.h"
#include "assets/device_art.h"
#include "assets/pictures.h"

namespace {

QImage Smiley()
{
    QImage picture;
    EXPECT_TRUE(LoadPicture("MYIMAGEU", &picture));
    return picture.convertToFormat(QImage::Format_RGB32);
}

TEST(DeviceArt, WholeScalesFromWholePositionsAreBlocks)
{
    const QImage art = Smiley();
    for (const int scale : {1, 2, 3}) {
        const DeviceArt scaled = ScaleArt(art, scale, QPointF(5, 7));
        EXPECT_EQ(scaled.deviceTopLeft, QPoint(5, 7));
        EXPECT_EQ(scaled.pixels, art.scaled(art.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation))
            << "scale " << scale;
    }
}

TEST(DeviceArt, EdgesPartlyCoveredTakeTheArtsColoursAlone)
{
    QImage plain(3, 2, QImage::Format_RGB32);
    plain.fill(qRgb(10, 200, 30));
    for (const QPointF origin : {QPointF(0.5, 0.25), QPointF(3.75, 1.5)}) {
        const DeviceArt scaled = ScaleArt(plain, 1.25, origin);
        EXPECT_EQ(scaled.pixels.width(), 5);
        for (int y = 0; y < scaled.pixels.height(); ++y)
            for (int x = 0; x < scaled.pixels.width(); ++x)
                ASSERT_EQ(scaled.pixels.pixel(x, y), qRgb(10, 200, 30)) << x << "," << y;
    }
    // And inside, a picture's own pixels mix only by share.
    const QImage art = Smiley();
    const DeviceArt scaled = ScaleArt(art, 1.75, QPointF(0.5, 0.25));
    const ArtOnDevice measured = MeasureArtOnDevice(art, scaled.pixels, QPointF(0.5, 0.25) - QPointF(scaled.deviceTopLeft), 1.75);
    EXPECT_EQ(measured.wrong, 0) << measured.firstWrong.toStdString();
}

}  // namespace
