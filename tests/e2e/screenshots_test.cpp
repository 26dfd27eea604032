// The software centre's screenshots: the committed ones are what make_screenshots takes of
// this build's game now, pixel for pixel.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "tool_run.h"

namespace {

TEST(Screenshots, CommittedOnesShowTheGameAsItIsNow)
{
    QTemporaryDir taken;
    ASSERT_TRUE(taken.isValid());
    support::ToolOptions options;
    options.limit = std::chrono::seconds(90);
    ASSERT_TRUE(support::RunTool(QStringLiteral(MAKE_SCREENSHOTS), {taken.path()}, options).ok);
    const QDir committed(QStringLiteral(PACKAGING_DIR "/screenshots"));
    const QStringList files = QDir(taken.path()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files, committed.entryList(QDir::Files, QDir::Name));
    for (const QString& file : files) {
        const QImage now(taken.filePath(file));
        ASSERT_FALSE(now.isNull()) << file.toStdString();
        EXPECT_EQ(now.convertToFormat(QImage::Format_RGB32),
                  QImage(committed.filePath(file)).convertToFormat(QImage::Format_RGB32))
            << file.toStdString();
    }
}

}  // namespace
