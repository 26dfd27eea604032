#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "assets/pictures.h"
#include "picture_catalogue.h"

namespace {

constexpr std::array<int, 7> kIconSizes = {16, 22, 32, 48, 64, 128, 256};

QImage Load(std::string_view name)
{
    QImage picture;
    EXPECT_TRUE(LoadPicture(name, &picture)) << name;
    return picture.convertToFormat(QImage::Format_ARGB32);
}

std::uint32_t Field32(const QByteArray& bytes, int offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

int CountPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

bool IsKey(QRgb pixel)
{
    return pixel == kKeyColour;
}

// The shared pictures, then each language's own, below :/bitmaps.
std::set<std::string> ExpectedFiles()
{
    std::set<std::string> files;
    for (const ExpectedPicture& picture : kExpectedPictures)
        files.insert(BitmapFile(picture.name).toStdString());
    for (const TranslatedPicture& picture : kTranslatedPictures)
        files.insert(BitmapFile(picture.name, picture.language).toStdString());
    return files;
}

}  // namespace

TEST(PictureFiles, EveryPictureHasItsExactSize)
{
    for (const ExpectedPicture& expected : kExpectedPictures) {
        const QImage picture = Load(expected.name);
        EXPECT_EQ(picture.width(), expected.width) << expected.name;
        EXPECT_EQ(picture.height(), expected.height) << expected.name;
    }
}

TEST(PictureFiles, NoOtherBitmapsAreCompiledIn)
{
    const QDir bitmaps(QStringLiteral(":/bitmaps"));
    std::set<std::string> found;
    QDirIterator it(bitmaps.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(bitmaps.relativeFilePath(it.next()).toStdString());
    EXPECT_EQ(found, ExpectedFiles());
}

TEST(PictureFiles, AreUncompressedSixteenColourBitmaps)
{
    for (const std::string& shown : ExpectedFiles()) {
        QFile file(QStringLiteral(":/bitmaps/") + QString::fromStdString(shown));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << shown;
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 54 + 64) << shown;
        EXPECT_EQ(bytes.left(2), QByteArray("BM")) << shown;
        EXPECT_EQ(Field32(bytes, 2), static_cast<std::uint32_t>(bytes.size())) << shown;
        EXPECT_EQ(Field32(bytes, 14), 40u) << shown;
        EXPECT_EQ(Field32(bytes, 28) & 0xFFFF, 4u) << shown << ": bits per pixel";
        EXPECT_EQ(Field32(bytes, 30), 0u) << shown << ": compression";
        EXPECT_EQ(Field32(bytes, 46), 16u) << shown << ": colours used";

        const QImage picture =
            QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_ARGB32);
        std::set<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                colours.insert(picture.pixel(x, y));
        EXPECT_LE(colours.size(), 16u) << shown;
    }
}

TEST(PictureKeyColour, KeyedPicturesStandOnExactMagenta)
{
    for (const ExpectedPicture& expected : kExpectedPictures) {
        if (!expected.keyed)
            continue;
        const QImage picture = Load(expected.name);
        for (int x = 0; x < picture.width(); ++x) {
            EXPECT_TRUE(IsKey(picture.pixel(x, 0))) << expected.name << " top " << x;
            EXPECT_TRUE(IsKey(picture.pixel(x, picture.height() - 1)))
                << expected.name << " bottom " << x;
        }
        for (int y = 0; y < picture.height(); ++y) {
            EXPECT_TRUE(IsKey(picture.pixel(0, y))) << expected.name << " left " << y;
            EXPECT_TRUE(IsKey(picture.pixel(picture.width() - 1, y)))
                << expected.name << " right " << y;
        }
        // The key is only the surround: the picture itself must show something.
        EXPECT_LT(CountPixels(picture, kKeyColour), picture.width() * picture.height() * 9 / 10)
            << expected.name;
    }
}

TEST(PictureKeyColour, OtherPicturesNeverUseIt)
{
    for (const ExpectedPicture& expected : kExpectedPictures) {
        // The window icon marks its transparent background with the key; checked on its own.
        if (expected.keyed || expected.name == "ICON128")
            continue;
        EXPECT_EQ(CountPixels(Load(expected.name), kKeyColour), 0) << expected.name;
    }
}

TEST(PictureKeyColour, MagentaFaceOfBitmap1IsAShadeThatStaysVisible)
{
    const QImage picture = Load("BITMAP1");
    // The middle of the three faces.
    int magenta_like = 0;
    for (int y = 8; y < 24; ++y) {
        for (int x = 34; x < 50; ++x) {
            const QColor c = QColor::fromRgb(picture.pixel(x, y));
            EXPECT_FALSE(IsKey(picture.pixel(x, y))) << x << "," << y;
            magenta_like += c.red() > 150 && c.blue() > 150 && c.green() < 120;
        }
    }
    EXPECT_GT(magenta_like, 16 * 16 / 2);
}

TEST(PlainPictures, EmptyCellIsWindowGreyAndAboutTileWhite)
{
    const QImage cell = Load("MYIMAGEX");
    EXPECT_EQ(CountPixels(cell, qRgb(192, 192, 192)), 24 * 24);
    const QImage tile = Load("BACKI2");
    EXPECT_EQ(CountPixels(tile, qRgb(255, 255, 255)), 8 * 8);
}

TEST(PlainPictures, HelpTileIsFaintLinesOnWhite)
{
    const QImage tile = Load("BACKI1");
    const int white = CountPixels(tile, qRgb(255, 255, 255));
    EXPECT_GT(white, tile.width() * tile.height() * 2 / 3);
    EXPECT_LT(white, tile.width() * tile.height()) << "the outlines are missing";
    // Dark blue help text must stay legible on every part of it.
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            EXPECT_GE(QColor::fromRgb(tile.pixel(x, y)).lightness(), 200) << x << "," << y;
}

TEST(FacePictures, CellsShowTheirFaceColours)
{
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb cyan = qRgb(0, 255, 255);
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_GT(CountPixels(Load("MYIMAGEU"), yellow), 150);
    EXPECT_GT(CountPixels(Load("IMAGEU"), cyan), 150);
    EXPECT_GT(CountPixels(Load("MYIMAGEF"), white), 150);
    EXPECT_GT(CountPixels(Load("IMAGED"), white), 150);
    EXPECT_EQ(CountPixels(Load("MYIMAGEF"), yellow), 0);
    EXPECT_EQ(CountPixels(Load("IMAGEU"), yellow), 0);

    const QImage struck = Load("MYIMAGED");
    EXPECT_GT(CountPixels(struck, cyan), 100);
    for (int i = 6; i < 18; ++i)
        EXPECT_EQ(struck.pixel(i, i), qRgb(0, 0, 0)) << "band at " << i;
}

TEST(FacePictures, PicturesThatShowTheSameThingAreTheSame)
{
    EXPECT_EQ(Load("IMAGED"), Load("IMAGEX"));
    EXPECT_EQ(Load("IMAGED"), Load("MYIMAGEF"));
    EXPECT_EQ(Load("SOUNDU"), Load("SOUNDF"));
    EXPECT_NE(Load("SOUNDU"), Load("SOUNDD"));
    EXPECT_NE(Load("HELPU"), Load("DEMOU"));
}

TEST(IconPictures, WindowIconIsAYellowFaceOnTransparency)
{
    const QImage bitmap = Load("ICON128");
    QImage icon(QStringLiteral(":/hicolor/32x32/apps/io.glimmerjig.Glimmerjig.png"));
    ASSERT_FALSE(icon.isNull());
    icon = icon.convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    ASSERT_TRUE(icon.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
    EXPECT_EQ(icon.pixel(10, 18), qRgb(255, 255, 0));
    // The two forms are one picture: the bitmap's key pixels are the icon's transparent ones.
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (IsKey(bitmap.pixel(x, y)))
                EXPECT_EQ(qAlpha(icon.pixel(x, y)), 0) << x << "," << y;
            else
                EXPECT_EQ(icon.pixel(x, y), bitmap.pixel(x, y)) << x << "," << y;
        }
    }
}

QString DesktopIconPath(const QString& size, const QString& suffix)
{
    return QStringLiteral(GLIMMERJIG_SOURCE_DIR "/packaging/icons/hicolor/%1/apps/io.glimmerjig.Glimmerjig.%2")
        .arg(size, suffix);
}

TEST(IconPictures, DesktopIconsComeInEverySize)
{
    for (int size : kIconSizes) {
        const QString path = DesktopIconPath(QStringLiteral("%1x%1").arg(size), QStringLiteral("png"));
        const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size)) << path.toStdString();
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        const QColor cheek = QColor::fromRgb(icon.pixel(size / 2, size * 47 / 100));
        EXPECT_EQ(cheek.alpha(), 255) << size;
        EXPECT_GT(cheek.red(), 200) << size;
        EXPECT_GT(cheek.green(), 180) << size;
        EXPECT_LT(cheek.blue(), 80) << size;
    }
}

// Drawn by a real SVG renderer, the scalable icon is icon 128 pixel for pixel, and at every
// multiple of its 32 pixels the PNG icon of that size: square pixels, no blur.
TEST(IconPictures, ScalableIconIsThePixelArtAtAnySize)
{
    QSvgRenderer svg(DesktopIconPath(QStringLiteral("scalable"), QStringLiteral("svg")));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(32, 32));
    for (int size : {32, 64, 128, 256}) {
        QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        svg.render(&painter);
        painter.end();
        const QString png = DesktopIconPath(QStringLiteral("%1x%1").arg(size), QStringLiteral("png"));
        EXPECT_EQ(drawn, QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied)) << size;
    }
}
