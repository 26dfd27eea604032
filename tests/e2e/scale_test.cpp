// The game on X11 desktops of every common scale, given by Xft.dpi as desktops set it: the
// window takes the desktop's size, and every cell and tool button shows its art sharp and
// even: exact blocks at whole scales, mixes by share along the art pixels' edges at others.
#include <QFile>
#include <cmath>
#include <gtest/gtest.h>

#include "board_view.h"
#include "game_session.h"
#include "settled.h"
#include "test_folder.h"
#include "tool_run.h"
#include "window_art.h"

namespace {

using namespace board_view;

struct ScaleCase {
    int dpi;
    double scale;
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.dpi << " dpi"; }

// Xft.dpi in the server's resources, where Qt reads it when it starts; the server keeps it
// (-noreset) after the tool leaves.
void SetDesktopDpi(int dpi)
{
    const QString path = support::TestFile(QStringLiteral("xresources"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("Xft.dpi: %1\n").arg(dpi).toLatin1());
    file.close();
    support::RunTool(QStringLiteral("xrdb"), {QStringLiteral("-merge"), path});
}

class ScaleTest : public testing::TestWithParam<ScaleCase> {
protected:
    void TearDown() override { SetDesktopDpi(96); }
};

TEST_P(ScaleTest, WindowsTakeTheDesktopsSizeAndTheArtStaysSharp)
{
    const ScaleCase& c = GetParam();
    SetDesktopDpi(c.dpi);
    GameSession game;
    ASSERT_TRUE(game.Start());

    const QSize designed(kClientWidth, kClientHeight);
    QRect client;
    const QImage window = Settled([&] {
        client = GameSession::GeometryOf(game.WindowId());
        return game.ScreenshotOf(client, QStringLiteral("window"));
    });
    ASSERT_FALSE(window.isNull());
    EXPECT_LE(std::abs(client.width() - designed.width() * c.scale), 1.0) << client.width();
    EXPECT_LE(std::abs(client.height() - designed.height() * c.scale), 1.0) << client.height();

    const WindowArt art = MeasureWindowArt(window, c.scale);
    // At a whole scale no device pixel is shared, so the rule asks every one to be exact.
    EXPECT_TRUE(art.faults.empty()) << art.faults.join('\n').toStdString();
    RecordProperty("window", QStringLiteral("%1x%2").arg(client.width()).arg(client.height()).toStdString());
    RecordProperty("mixed", QStringLiteral("%1 of %2, widest %3, %4 in colours the art lacks")
                                 .arg(art.mixed).arg(art.pixels).arg(art.widestMix, 0, 'f', 2).arg(art.foreign).toStdString());

    // The About box and Help open at the desktop's scale too.
    game.Click((QPointF(Centre(MirrorCell(5, 2))) * c.scale).toPoint(), 3);
    game.Key("Up");  // the last item, About
    game.Key("Return");
    EXPECT_FALSE(game.WaitForWindowNear(QSizeF(209, 267) * c.scale, 20s).isEmpty()) << "About";
    game.Key("Escape");
    game.Click((QPointF(Centre({PxX(1), PxY(1)})) * c.scale).toPoint());
    EXPECT_FALSE(game.WaitForWindowNear(QSizeF(405, 293) * c.scale, 20s).isEmpty()) << "Help";
}

INSTANTIATE_TEST_SUITE_P(Desktops, ScaleTest,
                         testing::Values(ScaleCase{96, 1.0}, ScaleCase{120, 1.25}, ScaleCase{144, 1.5},
                                         ScaleCase{168, 1.75}, ScaleCase{192, 2.0}));

}  // namespace
