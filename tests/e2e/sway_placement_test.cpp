// The game's windows where sway itself places them (centred) on the common laptop panel,
// 1920x1080, at the fractional scales: sway shows a window in a box whose edges it rounds one
// by one, round((x + w) S) - round(x S) device pixels wide, and copies the window's buffer
// pixel for pixel only when the buffer is exactly that box. Every window (the main window,
// Help, About, a message box) has its buffer the size of its box, and the main window's art
// on the screen keeps the art rule.
#include <QJsonObject>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

#include "poll.h"
#include "settled.h"
#include "sway_session.h"
#include "wayland_buffers.h"
#include "window_art.h"

namespace {

constexpr QSize kPanel(1920, 1080);

// The device pixels sway covers with logical x .. x + length on an output at that scale.
int DeviceSpan(int at, int length, double scale)
{
    return static_cast<int>(std::lround((at + length) * scale) - std::lround(at * scale));
}

QString SizeText(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

// The focused window as sway shows it and as the game last drew it, its newest toplevel.
struct Shown {
    QRect rect;     // sway's, logical
    QSize box;      // the device pixels sway covers with it
    QSize buffer;   // the game's last buffer for it
    QSize viewport; // the logical size the game asked it shown at
    int toplevels = 0;
};

Shown FocusedWindow(SwaySession& sway, double scale)
{
    const QJsonObject rect = sway.FocusedView().value(QLatin1String("rect")).toObject();
    Shown shown;
    shown.rect = QRect(rect.value(QLatin1String("x")).toInt(), rect.value(QLatin1String("y")).toInt(),
                       rect.value(QLatin1String("width")).toInt(), rect.value(QLatin1String("height")).toInt());
    shown.box = QSize(DeviceSpan(shown.rect.x(), shown.rect.width(), scale),
                      DeviceSpan(shown.rect.y(), shown.rect.height(), scale));
    const std::vector<ToplevelBuffer> toplevels = ToplevelBuffers(sway.GameLog());
    shown.toplevels = static_cast<int>(toplevels.size());
    if (!toplevels.empty()) {
        shown.buffer = toplevels.back().buffer;
        shown.viewport = toplevels.back().viewport;
    }
    return shown;
}

class SwayPlacementTest : public testing::TestWithParam<double> {
protected:
    void SetUp() override
    {
        if (QLibraryInfo::version() < QVersionNumber(6, 5))
            GTEST_SKIP() << "Qt 6.4 takes no fractional scale: sway shrinks its buffers of scale 2 (sway_scale_test)";
        const QString failure = sway.Start();
        if (!failure.isEmpty())
            GTEST_SKIP() << failure.toStdString();
        ASSERT_TRUE(sway.StartGame(SwaySession::Client::kWayland));
    }

    SwaySession sway{{{kPanel, GetParam()}}};
};

TEST_P(SwayPlacementTest, EveryWindowsBufferIsTheBoxSwayShowsItIn)
{
    const double scale = GetParam();
    // Each window opened by keys from the one before, and closed by keys when it is done with
    // (Help stays for its message box).
    const struct {
        const char* name;
        QStringList open, close;
    } windows[] = {
        {"main window", {}, {}},
        {"About", {"Menu", "Up", "Return"}, {"Escape"}},
        {"Help", {"F1"}, {}},
        {"message box", {"Tab", "space"}, {"Return", "Escape"}},
    };
    int opened = 0;
    for (const auto& window : windows) {
        SCOPED_TRACE(window.name);
        for (const QString& key : window.open)
            ASSERT_TRUE(sway.Key(key));
        Shown shown;
        const bool whole = support::PollUntil([&] {
            shown = FocusedWindow(sway, scale);
            return shown.toplevels > opened && !shown.rect.isEmpty() && shown.buffer == shown.box &&
                   shown.viewport == shown.rect.size();
        }, 20s);
        EXPECT_TRUE(whole) << "sway shows " << SizeText(shown.rect.size()).toStdString() << " at " << shown.rect.x()
                           << "," << shown.rect.y() << " in " << SizeText(shown.box).toStdString()
                           << " device pixels, the buffer is " << SizeText(shown.buffer).toStdString() << " shown at "
                           << SizeText(shown.viewport).toStdString();
        opened = shown.toplevels;
        RecordProperty(window.name, QStringLiteral("%1 at %2,%3: box %4, buffer %5")
                                        .arg(SizeText(shown.rect.size())).arg(shown.rect.x()).arg(shown.rect.y())
                                        .arg(SizeText(shown.box), SizeText(shown.buffer)).toStdString());
        if (window.open.isEmpty()) {
            const QImage screen = Settled([this] { return sway.Screenshot(QStringLiteral("screen")); });
            ASSERT_FALSE(screen.isNull());
            // grim draws an output of a logical size that is not whole (1920x1080 at 1.75 is
            // 1097.14x617.14, which sway rounds) at the rounded size times the scale, 1920x1079:
            // its picture is itself resampled, and the buffer against the box stands alone.
            if (screen.size() == kPanel) {
                const QPoint at(std::lround(shown.rect.x() * scale), std::lround(shown.rect.y() * scale));
                const WindowArt art = MeasureWindowArt(screen.copy(QRect(at, shown.box)), scale);
                EXPECT_TRUE(art.faults.empty()) << art.faults.join('\n').toStdString();
                RecordProperty("art", QStringLiteral("%1 pixels, %2 breaking the rule, %3 in colours the art lacks")
                                          .arg(art.pixels).arg(art.wrong).arg(art.foreign).toStdString());
            } else {
                RecordProperty("art", QStringLiteral("grim's picture is %1").arg(SizeText(screen.size())).toStdString());
            }
        }
        for (const QString& key : window.close)
            ASSERT_TRUE(sway.Key(key));
    }
}

INSTANTIATE_TEST_SUITE_P(LaptopPanel, SwayPlacementTest, testing::Values(1.25, 1.5, 1.75),
                         [](const testing::TestParamInfo<double>& info) {
                             return "At" + std::to_string(static_cast<int>(std::lround(info.param * 100)));
                         });

}  // namespace
