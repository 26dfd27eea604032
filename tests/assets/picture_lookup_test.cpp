#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>

#include "assets/pictures.h"
#include "base/language.h"
#include "picture_catalogue.h"

namespace {

const QString kCommitted = QStringLiteral(GLIMMERJIG_SOURCE_DIR "/resources/bitmaps/");

QImage Marker()
{
    QImage marker(3, 3, QImage::Format_ARGB32);
    marker.fill(Qt::red);
    return marker;
}

bool IsTranslated(Language language, std::string_view name)
{
    return std::any_of(kTranslatedPictures.begin(), kTranslatedPictures.end(),
                       [&](const TranslatedPicture& p) {
                           return p.language == language && p.name == name;
                       });
}

// The picture the game shows for `name`, asked for in small letters.
QImage Shown(std::string_view name)
{
    const std::string asked = QString::fromUtf8(name.data(), name.size()).toLower().toStdString();
    QImage picture;
    EXPECT_TRUE(LoadPicture(asked, &picture)) << asked;
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QImage Committed(const QString& file)
{
    const QImage picture(kCommitted + file);
    EXPECT_FALSE(picture.isNull()) << file.toStdString();
    return picture.convertToFormat(QImage::Format_ARGB32);
}

class PictureLanguage : public ::testing::Test {
protected:
    void TearDown() override { SetGameLanguage(saved_); }

private:
    const Language saved_ = GameLanguage();
};

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
                             "bitmaps/HELPU", ":/bitmaps/HELPU.bmp", "../HELPU", "128", "de/HELPU",
                             "fr/HELPU.bmp"}) {
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

// Each language shows its own picture of a word where it draws one, and the shared picture of
// every other name; English shows the shared set.
TEST_F(PictureLanguage, EachLanguageShowsItsOwnWordPictures)
{
    for (Language language : kLanguages) {
        SetGameLanguage(language);
        const std::string code(LanguageCode(language));
        for (std::string_view name : kWordPictures) {
            const std::string asked = code + " " + std::string(name);
            const QImage english = Committed(BitmapFile(name));
            const QImage shown = Shown(name);
            if (IsTranslated(language, name)) {
                EXPECT_EQ(shown, Committed(BitmapFile(name, language))) << asked;
                EXPECT_NE(shown, english) << asked;
                EXPECT_EQ(shown.size(), english.size()) << asked;
            } else {
                EXPECT_EQ(shown, english) << asked;
            }
        }
        for (std::string_view name : {"BITMAP1", "SOUNDU", "HELPD"})
            EXPECT_EQ(Shown(name), Committed(BitmapFile(name))) << code << " " << name;
    }
}
