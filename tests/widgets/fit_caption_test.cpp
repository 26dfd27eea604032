// A caption too wide for its button: smaller type first, then cut short in the middle; the
// whole caption stays the tool tip and the accessible name.
#include <QFontMetrics>
#include <QPushButton>
#include <gtest/gtest.h>
#include <climits>
#include <memory>
#include <vector>

#include "caption_room.h"
#include "qt_print.h"
#include "widgets/classic_look.h"
#include "widgets/fit_caption.h"

namespace {

enum class Fit { kAsItIs, kSmaller, kCut };

TEST(FitCaptionTest, CaptionsFitTheirButtonAndStayWholeForReaders)
{
    const struct {
        const char* caption;
        Fit fit;
    } cases[] = {
        {"mail to: a@b.example", Fit::kAsItIs},
        {"mail to: someone@glimmerjig.example", Fit::kSmaller},
        {"mail to: someone.with.a.longer.name@glimmerjig.example", Fit::kCut},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const QString caption = QString::fromLatin1(c.caption);
        QPushButton button(caption);
        QFont font = button.font();
        font.setPixelSize(kDialogFontPixels);
        button.setFont(font);
        button.resize(186, 23);
        FitCaption(&button);

        EXPECT_LE(QFontMetrics(button.font()).horizontalAdvance(button.text()), CaptionRoom(button));
        EXPECT_EQ(button.font().pixelSize() < kDialogFontPixels, c.fit != Fit::kAsItIs);
        EXPECT_EQ(button.text() == caption, c.fit != Fit::kCut);
        if (c.fit == Fit::kCut) {
            EXPECT_TRUE(button.text().startsWith(QStringLiteral("mail to: some"))) << button.text().toStdString();
            EXPECT_TRUE(button.text().endsWith(QStringLiteral(".example"))) << button.text().toStdString();
        }
        const QString forReaders = c.fit == Fit::kAsItIs ? QString() : caption;
        EXPECT_EQ(button.toolTip(), forReaders);
        EXPECT_EQ(button.accessibleName(), forReaders);
    }
}


// A row whose first (or middle) caption would be cut short even in the smallest type: it takes
// the room its neighbours spare, nearest first, and each gives only what it can spare, keeping
// its own caption whole in its own type. The row keeps its ends and its gaps.
constexpr int kStaysShort = INT_MIN;

struct RowCase {
    const char* name;
    std::vector<int> spareBefore;  // room beyond each caption's need; negative for too narrow
    std::vector<int> spareAfter;   // in the caption's type then; kStaysShort: still too narrow
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

// How much wider the button's caption room is than its caption in its own type.
int Spare(const QPushButton& button)
{
    return CaptionRoom(button) - QFontMetrics(button.font()).horizontalAdvance(button.text());
}

class FitRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(FitRowTest, NeighboursGiveOnlyTheRoomTheySpare)
{
    const RowCase& c = GetParam();
    std::vector<std::unique_ptr<QPushButton>> buttons;
    std::vector<QPushButton*> row;
    constexpr int kGap = 3;
    int x = 2;
    for (const int spare : c.spareBefore) {
        const char* caption = spare < 0 ? "mail to: someone@glimmerjig.example" : "Pause";
        auto& button = buttons.emplace_back(std::make_unique<QPushButton>(QString::fromLatin1(caption)));
        QFont font = button->font();
        font.setPixelSize(kDialogFontPixels);
        button->setFont(font);
        button->setGeometry(x, 5, 100, 23);
        button->resize(button->width() - Spare(*button) + spare, 23);
        ASSERT_EQ(Spare(*button), spare);
        x = button->geometry().right() + 1 + kGap;
        row.push_back(button.get());
    }
    const int right = row.back()->geometry().right();

    FitRow(row);
    for (std::size_t i = 0; i < row.size(); ++i) {
        SCOPED_TRACE(i);
        if (c.spareAfter[i] == kStaysShort)
            EXPECT_LT(Spare(*row[i]), 0);
        else
            EXPECT_EQ(Spare(*row[i]), c.spareAfter[i]);
        EXPECT_EQ(row[i]->x(), i == 0 ? 2 : row[i - 1]->geometry().right() + 1 + kGap);
    }
    EXPECT_EQ(row.back()->geometry().right(), right);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FitRowTest,
    testing::Values(RowCase{"NeighbourSparesEnough", {-80, 200, 30}, {0, 120, 30}},
                    RowCase{"NearestSparesWhatItCan", {-80, 30, 200}, {0, 0, 150}},
                    RowCase{"NoneSparesEnough", {-150, 20, 30}, {kStaysShort, 0, 0}},
                    RowCase{"LeftThenRight", {20, -80, 100}, {0, 0, 40}},
                    RowCase{"AllFitInSmallerType", {-5, 20, 30}, {-5, 20, 30}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
