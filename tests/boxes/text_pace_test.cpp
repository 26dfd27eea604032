// The picture texts on the real clock: the help pages scroll 100 rows a second and the
// credits 25, however the control's wakes fall.
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include "help_dlg_helper.h"
#include "poll.h"
#include "boxes/about_dlg.h"

namespace {

using namespace std::chrono_literals;

struct PaceCase {
    const char* host;
    std::function<CPictureText&()> open;
    const char* tile;
    double rowsPerSecond;
    std::chrono::milliseconds look;  // between the two frames compared
};

TEST(TextPaceTest, HostsScrollAtTheirPace)
{
    CHelpDlg help(nullptr);
    CAboutDlg about(nullptr);
    const PaceCase cases[] = {
        {"help page", [&]() -> CPictureText& { help.show(); return PageTextControl(0); }, "BACKI1", 100, 1500ms},
        {"About box", [&]() -> CPictureText& { about.show(); return about.Credits(); }, "BACKI2", 25, 2000ms},
    };
    for (const PaceCase& c : cases) {
        SCOPED_TRACE(c.host);
        CPictureText& text = c.open();
        const QImage tile = TileOnly(text.size(), c.tile);
        QImage before;
        ASSERT_TRUE(support::PollUntil([&] { return (before = Frame(text)) != tile; }, 5s)) << "nothing came up";
        QElapsedTimer clock;
        clock.start();
        support::LetIntervalPass(c.look);
        const QImage after = Frame(text);
        const double expected = c.rowsPerSecond * static_cast<double>(clock.elapsed()) / 1000.0;
        const int rows = RowsScrolled(before, after, tile);
        // A frame may lag its clock by a wake or two.
        EXPECT_NEAR(rows, expected, 0.15 * expected) << "the text moved " << rows << " rows";
    }
}

}  // namespace
