// Two screens side by side under sway, a laptop panel at 150 % and an external screen at 100 %
// (and the reverse). Each window, moved from the first to the second while Help scrolls, takes
// the new screen's scale: its buffer follows it, it keeps its logical size (the design size,
// with the few pixels a fractional scale adds at its edge), and the main window's art on the new
// screen is drawn afresh (art of the old scale stretched by the compositor breaks the art rule).
#include <QJsonObject>
#include <QLibraryInfo>
#include <QStringList>
#include <QVersionNumber>
#include <cmath>
#include <gtest/gtest.h>

#include "poll.h"
#include "settled.h"
#include "sway_session.h"
#include "wayland_buffers.h"
#include "window_art.h"

namespace {

struct ScreensCase {
    double first, second;
};

void PrintTo(const ScreensCase& c, std::ostream* os) { *os << c.first << " to " << c.second; }

// The scale the game draws at on a screen of that scale: Qt 6.4 takes no fractional scale and
// is given the next whole one.
double DrawnAt(double scale)
{
    return QLibraryInfo::version() >= QVersionNumber(6, 5) ? scale : std::ceil(scale);
}

QString SizeText(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

constexpr QSize kScreen(1920, 1080);

class SwayScreensTest : public testing::TestWithParam<ScreensCase> {
protected:
    void SetUp() override
    {
        const QString failure = sway.Start();
        if (!failure.isEmpty())
            GTEST_SKIP() << failure.toStdString();
        // sway may start with the last output in focus; the game opens on the first.
        ASSERT_TRUE(sway.Command(QStringLiteral("focus output HEADLESS-1")));
        ASSERT_TRUE(sway.StartGame(SwaySession::Client::kWayland));
    }

    // Waits until the game's toplevel (the newest, or the first) is drawn for a screen of that
    // scale at about its design size; what it drew last, for the record.
    testing::AssertionResult DrawnFor(double scale, QSize designed, bool newest, QString* drawn)
    {
        ToplevelBuffer last;
        const bool done = support::PollUntil([&] {
            const std::vector<ToplevelBuffer> all = ToplevelBuffers(sway.GameLog());
            if (all.empty())
                return false;
            last = newest ? all.back() : all.front();
            const QSize logical = last.viewport.isEmpty() ? last.buffer / last.bufferScale : last.viewport;
            const QSize spare = logical - designed;
            return spare.width() >= 0 && spare.width() < 4 && spare.height() >= 0 && spare.height() < 4 &&
                   QSizeF(last.buffer) == QSizeF(logical) * DrawnAt(scale);
        }, 20s);
        *drawn = QStringLiteral("buffer %1 at scale %2, shown at %3").arg(SizeText(last.buffer)).arg(last.bufferScale)
                     .arg(SizeText(last.viewport));
        if (done)
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "not drawn for " << scale << ": " << drawn->toStdString();
    }

    // sway's id of the window that has the focus, once one has; 0 while none.
    qint64 FocusedId()
    {
        qint64 id = 0;
        support::PollUntil([&] { return (id = sway.FocusedView().value(QLatin1String("id")).toInteger()) != 0; });
        return id;
    }

    // Gives the keyboard to the window, once sway has.
    testing::AssertionResult Focus(qint64 id)
    {
        if (!sway.Command(QStringLiteral("[con_id=%1] focus").arg(id)))
            return testing::AssertionFailure() << "sway refused the focus";
        if (support::PollUntil([&] { return sway.FocusedView().value(QLatin1String("id")).toInteger() == id; }))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "window " << id << " does not get the focus";
    }

    // The main window's art on a screen, where sway shows the window.
    WindowArt MainArt(int output, double scale)
    {
        const QJsonObject rect = sway.GameView().value(QLatin1String("rect")).toObject();
        const double left = output == 1 ? 0 : std::round(kScreen.width() / GetParam().first);
        const QPoint at(std::lround((rect.value(QLatin1String("x")).toInt() - left) * scale),
                        std::lround(rect.value(QLatin1String("y")).toInt() * scale));
        const QImage screen = Settled([&] { return sway.Screenshot(QStringLiteral("screen%1").arg(output), output); });
        return MeasureWindowArt(screen.copy(QRect(at, screen.size())), scale);
    }

    SwaySession sway{{{kScreen, GetParam().first}, {kScreen, GetParam().second}}};
};

TEST_P(SwayScreensTest, EachWindowMovedToTheOtherScreenIsDrawnAfreshAtItsScale)
{
    const ScreensCase& c = GetParam();
    const struct {
        const char* name;
        QSize designed;
        QStringList open;
    } windows[] = {
        {"About", {209, 267}, {"Menu", "Up", "Return"}},
        {"Help", {405, 293}, {"F1"}},
        {"main window", {317, 271}, {}},
    };
    // The dialogs open from the main window once it shows.
    QString start;
    ASSERT_TRUE(DrawnFor(c.first, windows[2].designed, false, &start));
    const qint64 main = FocusedId();
    for (const auto& window : windows) {
        SCOPED_TRACE(window.name);
        const bool dialog = !window.open.isEmpty();
        for (const QString& key : window.open)
            ASSERT_TRUE(sway.Key(key));
        QString before, after;
        EXPECT_TRUE(DrawnFor(c.first, window.designed, dialog, &before));
        if (!dialog && DrawnAt(c.first) == c.first) {
            EXPECT_TRUE(MainArt(1, c.first).faults.empty());
        }
        const qint64 moved = FocusedId();
        ASSERT_TRUE(sway.Command(QStringLiteral("[con_id=%1] move container to output HEADLESS-2").arg(moved)));
        ASSERT_TRUE(Focus(moved));
        EXPECT_TRUE(DrawnFor(c.second, window.designed, dialog, &after));
        if (!dialog && DrawnAt(c.second) == c.second) {
            const WindowArt art = MainArt(2, c.second);
            EXPECT_TRUE(art.faults.empty()) << art.faults.join('\n').toStdString();
        }
        RecordProperty(window.name, (before + QStringLiteral(", then ") + after).toStdString());
        if (dialog) {
            ASSERT_TRUE(sway.Key(QStringLiteral("Escape")));
            ASSERT_TRUE(Focus(main));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PanelAndScreen, SwayScreensTest,
                         testing::Values(ScreensCase{1.5, 1.0}, ScreensCase{1.0, 1.5}),
                         [](const testing::TestParamInfo<ScreensCase>& info) {
                             return "From" + std::to_string(std::lround(info.param.first * 100)) + "To" +
                                    std::to_string(std::lround(info.param.second * 100));
                         });

}  // namespace
