// The software centre's screenshots against what make_screenshots takes of this build's game
// now. The game's own pixels (cells, picture buttons, frames) are the committed ones exactly,
// on every release. The controls that Qt's style and the system's fonts draw (radio buttons,
// labels, the score) change with the Qt release: they are the committed ones exactly only
// under the Qt release that drew those, and everywhere what this machine's Qt draws for the
// same window, here in the test's own process.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegion>
#include <QTemporaryDir>
#include <QTest>

#include "poll.h"
#include "tool_run.h"
#include "widgets/cell_button.h"
#include "window/game_dlg.h"

namespace {

// Where the window's controls drawn by Qt's style and fonts stand, in client coordinates.
QRegion StyleDrawn(const QWidget& window)
{
    QRegion region;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        const bool picture = qobject_cast<const CCellButton*>(child) != nullptr;
        const bool styled = qobject_cast<const QAbstractButton*>(child) || qobject_cast<const QLabel*>(child) ||
                            qobject_cast<const QLineEdit*>(child);
        if (styled && !picture && child->isVisible())
            region += QRect(child->mapTo(&window, QPoint()), child->size());
    }
    return region;
}

// Pixels that differ between two images of one size, counted inside the region or outside it.
int Differing(const QImage& a, const QImage& b, const QRegion& region, bool inside)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (region.contains(QPoint(x, y)) == inside && a.pixel(x, y) != b.pixel(x, y))
                ++count;
    return count;
}

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

    CGameDlg game;
    game.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game, 30000));
    const QRegion styled = StyleDrawn(game);
    ASSERT_FALSE(styled.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QImage now = QImage(taken.filePath(file)).convertToFormat(QImage::Format_RGB32);
        const QImage stored(committed.filePath(file));
        const QImage published = stored.convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(now.size(), game.size());
        ASSERT_EQ(published.size(), now.size());
        EXPECT_EQ(Differing(now, published, styled, false), 0) << "pixels of the game's own changed";
        ASSERT_FALSE(stored.text(QStringLiteral("Qt")).isEmpty()) << "no Qt release named in the committed file";
        if (stored.text(QStringLiteral("Qt")) == QLatin1String(qVersion())) {
            EXPECT_EQ(Differing(now, published, styled, true), 0) << "the style's controls changed";
        }
        // The window here reaches the state of the screenshots' panel once its game has started.
        int drawnHere = -1;
        support::PollUntil([&] {
            drawnHere = Differing(now, game.grab().toImage().convertToFormat(QImage::Format_RGB32), styled, true);
            return drawnHere == 0;
        });
        EXPECT_EQ(drawnHere, 0) << "the style's controls differ from what this machine's Qt draws";
    }
}

}  // namespace
