// Text at the screen's resolution at every laptop scale, in the still and the scrolling view
// alike, on a control that moves from screen to screen in one program: its ink stands as many
// device rows tall as at 100 % times the scale, within the two rows a font fitted to whole rows
// may differ by.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "laptop_screens.h"
#include "picture_text_helper.h"

namespace {

TEST(PictureTextSizeTest, TextIsTheScreensSizeInBothViewsAfterEveryMove)
{
    // The kinds' markers: large, medium, small and plain text.
    const char kMarkers[] = {'\t', '\n', '\r', 'x'};
    // Up and down the scales, as a window dragged between screens goes.
    const double kMoves[] = {1.0, 2.0, 1.25, 1.75, 1.5, 1.0, 1.5};
    std::ostringstream wrong;
    for (const char marker : kMarkers) {
        // Blank lines after it, so no second copy of it comes up behind it.
        auto control = MakeControl(std::string("Agjy W") + marker + "|||", kPageSize, "NO TILE");
        int atOne = 0;
        for (const double scale : kMoves) {
            control->setScreen(LaptopScreen(scale));
            control->Stop();
            const int still = InkRows(Painted(control.get()));
            control->Start();
            // A first line is fetched on the 15th tick; the tallest cell is revealed 19 ticks later.
            control->RunTicks(40);
            const int scrolled = InkRows(Painted(control.get()));
            if (scale == 1.0)
                atOne = still;
            // The scale's font may be a size or two under the proportional one where that one
            // would set the language's letters wider than the scale: never by a seventh.
            if (still != scrolled || still > atOne * scale + 2 || still < atOne * scale * 6 / 7)
                wrong << "marker " << int(marker) << " at " << scale << ": still " << still << ", scrolled "
                      << scrolled << " rows, " << atOne << " at 100 %\n";
        }
    }
    EXPECT_EQ(wrong.str(), "");
}

}  // namespace
