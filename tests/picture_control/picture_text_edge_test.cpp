// A paused control at every laptop scale: at any tick a picture emerging shows the device rows
// of the design rows revealed so far (less a row it covers only in part), and once it has
// emerged it shows as tall as it is, leaving nothing of itself behind as it moves up: not
// below the design's last row, nor in the device column its right edge covers in part.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <utility>

#include "laptop_screens.h"
#include "picture_text_helper.h"

namespace {

TEST(PictureTextEdgeTest, PausedShowsThePictureAndNothingBehindIt)
{
    // An opaque picture, 39 rows tall; a first line is fetched on the 15th tick.
    constexpr int kTall = 39;
    constexpr int kFetch = 15;
    std::ostringstream wrong;
    for (const double scale : kLaptopScales) {
        // Heights whose device size is whole at no fractional scale, and one where it is.
        for (const int height : {221, 223, 224}) {
            auto control = MakeControl("BACKI1^", QSize(kPageSize.width(), height), "NO TILE");
            control->setScreen(LaptopScreen(scale));
            control->Start();
            control->RunTicks(kFetch - 1);
            control->SetRunning(false);
            for (int ticks = 1; ticks <= kTall + 8; ++ticks) {
                control->RunTicks(1);
                const int revealed = std::min(ticks, kTall);
                const int rows = InkRows(Painted(control.get()));
                if (rows < revealed * scale - 1 || rows > std::ceil(revealed * scale))
                    wrong << "at " << scale << ", " << height << " high: " << rows << " rows show for "
                          << revealed << " revealed\n";
            }
        }
    }
    EXPECT_EQ(wrong.str(), "");
}

// A stopped control's still view runs past its bottom edge; a tick given to it clears the
// design's last row and the device row under it that the design covers only in part, which
// would otherwise go on showing a row of the picture below the edge.
TEST(PictureTextEdgeTest, TickToAStillViewClearsTheRowsUnderTheLastRow)
{
    // Heights whose last device row is partly under the design's last row and shown.
    const std::pair<double, int> kCases[] = {{1.25, 223}, {1.5, 221}, {1.75, 221}};
    for (const auto& [scale, height] : kCases) {
        auto control = MakeControl("BACKI1^|BACKI1^|BACKI1^|BACKI1^|BACKI1^|BACKI1^|BACKI1^",
                                   QSize(kPageSize.width(), height), "NO TILE");
        control->setScreen(LaptopScreen(scale));
        const QImage still = Painted(control.get());
        const auto lastRow = [](const QImage& frame) { return frame.copy(0, frame.height() - 1, frame.width(), 1); };
        ASSERT_GT(InkRows(lastRow(still)), 0) << scale << ": the still view shows nothing at its bottom edge";
        control->RunTicks(1);
        EXPECT_EQ(InkRows(lastRow(Painted(control.get()))), 0) << scale;
    }
}

}  // namespace
