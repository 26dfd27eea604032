// No text, however long, empty or odd, upsets the picture-text control.
#include <gtest/gtest.h>
#include <string>

#include "picture_text_helper.h"
#include "qt_print.h"

namespace {

std::string EveryByte()
{
    std::string text;
    for (int i = 0; i < 256; ++i) {
        text += static_cast<char>(i);
        text += static_cast<char>(i % 7 == 0 ? '|' : 'a' + i % 26);
    }
    return text;
}

struct OddCase {
    const char* name;
    std::string text;
    bool drawsSomething;
};

class PictureTextOddTest : public testing::TestWithParam<OddCase> {};

// Scrolled past many fetches, then stopped: both views are drawn to the control's size.
TEST_P(PictureTextOddTest, ScrollsAndStandsStill)
{
    auto control = MakeControl(GetParam().text, kAboutSize, "BACKI2");
    control->SetColor(4, Rgb(0, 0, 255));  // plain text in the default white would not show
    const QImage tile = TileOnly(kAboutSize, "BACKI2");
    const QImage still = Painted(control.get());
    control->Start();
    bool drawn = false;
    for (int tick = 0; tick < 400; ++tick) {
        control->RunTicks(1);
        if (tick % 50 == 49)
            drawn = drawn || Painted(control.get()) != tile;
    }
    EXPECT_EQ(drawn, GetParam().drawsSomething);
    EXPECT_EQ(still != tile, GetParam().drawsSomething);
    control->Stop();
    EXPECT_EQ(Painted(control.get()), still);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PictureTextOddTest,
    testing::Values(OddCase{"Empty", "", false}, OddCase{"Separators", std::string(5000, '|'), false},
                    OddCase{"Markers", "\t|\n|\r|\t\t|||", false},
                    OddCase{"NamelessPicture", "^|^|", true},
                    OddCase{"EveryByte", EveryByte(), true},
                    OddCase{"LongLine", std::string(100000, 'W'), true},
                    OddCase{"ManyLines", [] {
                                std::string text;
                                for (int i = 0; i < 20000; ++i)
                                    text += "ab|";
                                return text;
                            }(),
                            true}),
    [](const testing::TestParamInfo<OddCase>& info) { return std::string(info.param.name); });

// Changing the text or the size while running, and a control of no size, are taken in stride.
TEST(PictureTextOddTest, ChangesWhileRunning)
{
    auto control = MakeControl("MANUAL1^|x\t|", kAboutSize, "BACKI2");
    control->Start();
    Ticks(*control, 30);
    control->ClearText();
    Ticks(*control, 30);
    control->SetText("^", '|');
    control->resize(5, 3);
    Ticks(*control, 30);
    EXPECT_EQ(Painted(control.get()).size(), QSize(5, 3));
    control->resize(0, 0);
    Ticks(*control, 30);
    control->Stop();
    control->resize(kAboutSize);
    EXPECT_EQ(Painted(control.get()).size(), kAboutSize);
    Ticks(*control, 30);  // ticks given to the still view scroll it on
    EXPECT_EQ(Painted(control.get()).size(), kAboutSize);
}

}  // namespace
