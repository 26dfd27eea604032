#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace {

const QString kSourceDir = QStringLiteral(GLIMMERJIG_SOURCE_DIR);

int RunGenerator(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(MAKE_PICTURES_PATH), arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    return tool.exitCode();
}

// Paths of all files below `root`, relative to it, sorted.
QStringList FilesBelow(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext())
        files << base.relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PictureRegeneration : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(output_.isValid());
        ASSERT_EQ(RunGenerator({output_.path()}), 0);
    }

    QTemporaryDir output_;
};

}  // namespace

TEST_F(PictureRegeneration, WritesTheCommittedBitmapsByteForByte)
{
    const QString made = output_.path() + "/resources/bitmaps";
    const QString committed = kSourceDir + "/resources/bitmaps";
    const QStringList files = FilesBelow(made);
    ASSERT_EQ(files, FilesBelow(committed));
    for (const QString& file : files) {
        const QByteArray bytes = Bytes(made + "/" + file);
        EXPECT_FALSE(bytes.isEmpty()) << file.toStdString();
        EXPECT_EQ(bytes, Bytes(committed + "/" + file)) << file.toStdString();
    }
}

// PNG compression may differ between library versions, so the PNG icons compare by their
// pixels; the SVG icon is text and compares byte for byte.
TEST_F(PictureRegeneration, WritesTheCommittedIconsPixelForPixel)
{
    const QString made = output_.path() + "/packaging/icons/";
    const QString committed = kSourceDir + "/packaging/icons/";
    QStringList icons = FilesBelow(made);
    ASSERT_EQ(icons, FilesBelow(committed));
    ASSERT_EQ(icons.size(), 8);
    const QString svg = QStringLiteral("hicolor/scalable/apps/io.glimmerjig.Glimmerjig.svg");
    ASSERT_TRUE(icons.removeOne(svg));
    EXPECT_EQ(Bytes(made + svg), Bytes(committed + svg));
    for (const QString& icon : icons) {
        const QImage made_icon(made + icon);
        ASSERT_FALSE(made_icon.isNull()) << icon.toStdString();
        EXPECT_EQ(made_icon.convertToFormat(QImage::Format_ARGB32),
                  QImage(committed + icon).convertToFormat(QImage::Format_ARGB32))
            << icon.toStdString();
    }
}

TEST_F(PictureRegeneration, RunningAgainWritesIdenticalFiles)
{
    QTemporaryDir again;
    ASSERT_TRUE(again.isValid());
    ASSERT_EQ(RunGenerator({again.path()}), 0);
    const QStringList files = FilesBelow(output_.path());
    ASSERT_EQ(files, FilesBelow(again.path()));
    for (const QString& file : files)
        EXPECT_EQ(Bytes(output_.path() + "/" + file), Bytes(again.path() + "/" + file))
            << file.toStdString();
}

TEST(PictureGenerator, RefusesWrongArgumentsWithoutWriting)
{
    EXPECT_NE(RunGenerator({}), 0);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_NE(RunGenerator({dir.path(), QStringLiteral("--bogus")}), 0);
    EXPECT_TRUE(FilesBelow(dir.path()).isEmpty());
}
