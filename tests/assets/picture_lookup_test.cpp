#include <gtest/gtest.h>

#include <QImage>

#include "assets/pictures.h"

namespace {

QImage Marker()
{
    QImage marker(3, 3, QImage::Format_ARGB32);
    marker.fill(Qt::red);
    return marker;
}

}  // namespace

TEST(PictureLookup, IgnoresTheCaseOfTheName)
{
    QImage capitals, mixed, lower;
    ASSERT_TRUE(LoadPicture("GLIMMERJIG", &capitals));
    ASSERT_TRUE(LoadPicture("Glimmerjig", &mixed));
    ASSERT_TRUE(LoadPicture("glimmerjig", &lower));
    EXPECT_FALSE(capitals.isNull());
    EXPECT_EQ(mixed, capitals);
    EXPECT_EQ(lower, capitals);

    // The cell buttons ask for their caption plus a state letter.
    QImage cell, asked;
    ASSERT_TRUE(LoadPicture("MYIMAGEU", &cell));
    ASSERT_TRUE(LoadPicture("myimageU", &asked));
    EXPECT_EQ(asked, cell);
    EXPECT_NE(asked, capitals);
}

TEST(PictureLookup, MissingNamesFailAndLeaveThePictureAlone)
{
    for (const char* name : {"NOSUCHPICTURE", "", "^", "Glimmerjig^", "HELP", "HELPUU", "HELPU.bmp",
                             "bitmaps/HELPU", ":/bitmaps/HELPU.bmp", "../HELPU", "128"}) {
        QImage picture = Marker();
        EXPECT_FALSE(LoadPicture(name, &picture)) << name;
        EXPECT_EQ(picture, Marker()) << name;
    }
}

TEST(PictureLookup, RefusesANullDestination)
{
    EXPECT_FALSE(LoadPicture("HELPU", nullptr));
}

TEST(PictureLookup, KeepsThePaletteColoursExact)
{
    QImage picture;
    ASSERT_TRUE(LoadPicture("Bitmap1", &picture));
    EXPECT_EQ(picture.pixel(0, 0), 0xFFFF00FFu);
}
