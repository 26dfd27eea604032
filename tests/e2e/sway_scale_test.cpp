// The game on a real Wayland compositor, headless sway, at the scales laptops run: natively,
// and as an X client through sway's Xwayland. What a player sees: the window at the desktop's
// size, and the art as sharp as the compositor lets it be. Qt 6.5 and later take a fractional
// scale through the fractional-scale protocol and draw every device pixel themselves; Qt 6.4
// is given the next whole scale, 2, and the compositor shrinks its buffers. X clients get no
// scale from sway (no Xft.dpi): their windows are at the design size and the compositor
// enlarges them.
#include <QJsonObject>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

#include "board_view.h"
#include "qt_print.h"
#include "settled.h"
#include "sway_session.h"
#include "wayland_buffers.h"
#include "window_art.h"

namespace {

using namespace board_view;
using Client = SwaySession::Client;

struct SwayCase {
    double scale;
    Client client;
};

void PrintTo(const SwayCase& c, std::ostream* os)
{
    *os << (c.client == Client::kWayland ? "Wayland" : "Xwayland") << " at " << c.scale;
}

std::string Name(const testing::TestParamInfo<SwayCase>& info)
{
    return (info.param.client == Client::kWayland ? "Wayland" : "Xwayland") +
           std::to_string(static_cast<int>(std::lround(info.param.scale * 100)));
}

QString SizeText(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

// A length on the device at the design's length in logical pixels, or the few more a window
// takes on Wayland to cover whole device pixels.
bool AtDesignLength(int device, int designed, double scale)
{
    return device >= designed * scale - 1 && device <= (designed + 3) * scale + 1;
}

// Where the game's window shows on the screen: every pixel that is not the background, which
// the far corner shows.
QRect GameOnScreen(const QImage& screen)
{
    const QRgb background = screen.pixel(screen.width() - 1, screen.height() - 1);
    QRect shown;
    for (int y = 0; y < screen.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x)
            if (line[x] != background)
                shown |= QRect(x, y, 1, 1);
    }
    return shown;
}

class SwayScaleTest : public testing::TestWithParam<SwayCase> {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(Picture("MYIMAGEU").isNull());
        const QString failure = sway.Start();
        if (!failure.isEmpty())
            GTEST_SKIP() << failure.toStdString();
        if (GetParam().client == Client::kXwayland && !sway.HasXwayland())
            GTEST_SKIP() << "this sway runs no Xwayland";
        ASSERT_TRUE(sway.StartGame(GetParam().client));
    }

    SwaySession sway{GetParam().scale};
};

TEST_P(SwayScaleTest, WindowAtTheDesktopsSizeWithItsArtAsSharpAsTheCompositorLetsIt)
{
    const double scale = GetParam().scale;
    const bool whole = scale == std::round(scale);
    const QSize designed(kClientWidth, kClientHeight);
    const QImage screen = Settled([this] { return sway.Screenshot(QStringLiteral("screen")); });
    ASSERT_FALSE(screen.isNull());
    const QRect shown = GameOnScreen(screen);
    ASSERT_FALSE(shown.isEmpty()) << "the game's window does not show";
    ASSERT_EQ(shown.topLeft(), QPoint(0, 0)) << "the window is not where the session puts it";
    EXPECT_TRUE(AtDesignLength(shown.width(), designed.width(), scale)) << shown.width();
    EXPECT_TRUE(AtDesignLength(shown.height(), designed.height(), scale)) << shown.height();
    const WindowArt art = MeasureWindowArt(screen.copy(shown), scale);

    // Whether the game itself draws every device pixel, and what it hands the compositor.
    bool ownPixels = false;
    QString buffer;
    if (GetParam().client == Client::kWayland) {
        const ToplevelBuffer attached = LastToplevelBuffer(sway.GameLog());
        buffer = QStringLiteral("%1 at scale %2, viewport %3, preferred %4/120")
                     .arg(SizeText(attached.buffer)).arg(attached.bufferScale)
                     .arg(SizeText(attached.viewport)).arg(attached.preferredScale);
        ownPixels = QLibraryInfo::version() >= QVersionNumber(6, 5) || whole;
        if (ownPixels) {
            EXPECT_TRUE(AtDesignLength(attached.buffer.width(), designed.width(), scale)) << buffer.toStdString();
            EXPECT_TRUE(AtDesignLength(attached.buffer.height(), designed.height(), scale)) << buffer.toStdString();
        } else {
            EXPECT_EQ(attached.bufferScale, 2) << buffer.toStdString();
            EXPECT_EQ(attached.buffer, designed * 2) << buffer.toStdString();
        }
    } else {
        const QJsonObject view = sway.GameView();
        ASSERT_FALSE(view.isEmpty());
        const QSize window = sway.XWindowSize(view.value(QLatin1String("window")).toInteger());
        buffer = QStringLiteral("X window %1").arg(SizeText(window));
        EXPECT_EQ(window, designed) << buffer.toStdString();
        ownPixels = scale == 1;
    }
    // At a whole scale no device pixel is shared, so the rule asks every one to be exact.
    if (ownPixels) {
        EXPECT_TRUE(art.faults.empty()) << art.faults.join('\n').toStdString();
    }
    RecordProperty("screen", SizeText(shown.size()).toStdString());
    RecordProperty("buffer", buffer.toStdString());
    const auto share = [&art](int count) { return QString::number(100.0 * count / std::max(1, art.pixels), 'f', 1); };
    RecordProperty("art", QStringLiteral("%1 pixels: %2 % shared by two art pixels, %3 % in colours the art lacks, "
                                         "%4 % breaking the rule; widest mix %5")
                              .arg(art.pixels).arg(share(art.mixed), share(art.foreign), share(art.wrong))
                              .arg(art.widestMix, 0, 'f', 2).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Desktops, SwayScaleTest,
                         testing::Values(SwayCase{1.0, Client::kWayland}, SwayCase{1.25, Client::kWayland},
                                         SwayCase{1.5, Client::kWayland}, SwayCase{1.75, Client::kWayland},
                                         SwayCase{2.0, Client::kWayland}, SwayCase{1.0, Client::kXwayland},
                                         SwayCase{1.25, Client::kXwayland}, SwayCase{1.5, Client::kXwayland},
                                         SwayCase{1.75, Client::kXwayland}, SwayCase{2.0, Client::kXwayland}),
                         Name);

}  // namespace
