// The window's geometry: every control where the dialog-unit layout puts it, in pixels.
#include <QAccessible>
#include <QImage>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

#include "fake_sound.h"
#include "qt_print.h"
#include "ui/cell_button.h"
#include "ui/game_dlg.h"

namespace {

// Independent of the product's conversion: base units 6 x 13, half rounded up.
int PxX(int units) { return static_cast<int>(std::floor(units * 6 / 4.0 + 0.5)); }
int PxY(int units) { return static_cast<int>(std::floor(units * 13 / 8.0 + 0.5)); }
QRect PxRect(int x, int y, int w, int h) { return QRect(PxX(x), PxY(y), PxX(w), PxY(h)); }

class LayoutTest : public testing::Test {
protected:
    void SetUp() override { fake_sound::Reset(); }

    QWidget* Control(int id) const
    {
        return dialog.findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
    }

    CGameDlg dialog{fake_sound::Output()};
};

// The id tables of the board, bottom to top per column.
const std::vector<std::vector<int>> kSmileyIds = {
    {1062},
    {1060, 1061},
    {1056, 1058, 1059},
    {1052, 1053, 1054, 1055},
    {1047, 1048, 1049, 1050, 1051},
    {1041, 1042, 1043, 1044, 1045, 1046},
    {1034, 1035, 1036, 1037, 1038, 1039, 1040},
    {1018, 1019, 1020, 1021, 1030, 1031, 1032, 1033},
    {1029, 1028, 1027, 1026, 1025, 1024, 1023, 1022, 1017},
};
const std::vector<std::vector<int>> kMirrorIds = {
    {1108},
    {1106, 1107},
    {1103, 1104, 1105},
    {1098, 1100, 1101, 1102},
    {1093, 1094, 1095, 1096, 1097},
    {1087, 1088, 1089, 1090, 1091, 1092},
    {1080, 1081, 1082, 1083, 1084, 1085, 1086},
    {1064, 1065, 1066, 1067, 1076, 1077, 1078, 1079},
    {1075, 1074, 1073, 1072, 1071, 1070, 1069, 1068, 1063},
};

TEST_F(LayoutTest, WindowIsFixedAtTheConvertedTemplateSize)
{
    EXPECT_EQ(dialog.size(), QSize(317, 271));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Glimmerjig"));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    // Icon 128: a 32 x 32 face whose corners let the desktop show through.
    const QImage icon = dialog.windowIcon().pixmap(32, 32).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
}

TEST_F(LayoutTest, EveryCellStandsAtItsTablePositionWithItsId)
{
    std::set<int> seen;
    for (int c = 1; c <= 9; ++c) {
        for (int h = 1; h <= c; ++h) {
            SCOPED_TRACE(testing::Message() << "column " << c << " height " << h);
            const int smileyId = kSmileyIds[c - 1][h - 1];
            const int mirrorId = kMirrorIds[c - 1][h - 1];
            QWidget* smiley = Control(smileyId);
            QWidget* mirror = Control(mirrorId);
            ASSERT_TRUE(smiley && mirror);
            EXPECT_EQ(smiley, dialog.SmileyCell(c, h));
            EXPECT_EQ(mirror, dialog.MirrorCell(c, h));
            EXPECT_EQ(smiley->geometry(),
                      QRect(PxX(55 + 17 * (9 - c)), PxY(148 - 16 * (h - 1)), 24, 24));
            // The mirror stands in column 10 - c, row h from the top.
            EXPECT_EQ(mirror->geometry(), QRect(PxX(55 + 17 * (c - 1)), PxY(4 + 16 * (h - 1)), 24, 24));
            seen.insert(smileyId);
            seen.insert(mirrorId);
        }
    }
    EXPECT_EQ(seen.size(), 90u);
    // Corners of the grid, worked out by hand.
    EXPECT_EQ(Control(1062)->pos(), QPoint(287, 241));
    EXPECT_EQ(Control(1017)->pos(), QPoint(83, 33));
    EXPECT_EQ(Control(1063)->pos(), QPoint(287, 215));
    EXPECT_EQ(Control(1108)->pos(), QPoint(83, 7));
}

TEST_F(LayoutTest, LeftPanelControlsStandAtTheirConvertedRectangles)
{
    struct Expected {
        int id;
        QRect rect;
    };
    const Expected controls[] = {
        {1109, PxRect(9, 44, 10, 10)},   {1111, PxRect(19, 44, 10, 10)},
        {1112, PxRect(29, 44, 10, 10)},  {1099, PxRect(8, 55, 32, 14)},
        {1002, PxRect(12, 70, 24, 12)},  {1003, PxRect(12, 82, 24, 12)},
        {1004, PxRect(12, 95, 24, 12)},  {1005, PxRect(12, 108, 24, 12)},
        {1006, PxRect(12, 121, 24, 12)}, {1007, PxRect(12, 135, 24, 12)},
    };
    for (const Expected& expected : controls) {
        QWidget* control = Control(expected.id);
        ASSERT_TRUE(control) << expected.id;
        EXPECT_EQ(control->geometry(), expected.rect) << expected.id;
    }
    EXPECT_EQ(Control(1099)->geometry(), QRect(12, 89, 48, 23));

    auto* group = dialog.findChild<QWidget*>(QStringLiteral("settings"));
    ASSERT_TRUE(group);
    EXPECT_EQ(group->geometry(), PxRect(1, 28, 46, 137));
    auto* levels = dialog.findChild<QLabel*>(QStringLiteral("levels"));
    ASSERT_TRUE(levels);
    EXPECT_EQ(levels->geometry(), PxRect(9, 36, 28, 8));
    EXPECT_EQ(levels->text(), QStringLiteral(" I    II   III  "));
}

TEST_F(LayoutTest, ToolButtonsTakeThePictureSizeAtTheConvertedPosition)
{
    const struct {
        int id;
        int x, y;
    } buttons[] = {{1114, 1, 1}, {1009, 26, 1}, {1015, 1, 15}, {1125, 26, 15}, {1126, 12, 148}};
    for (const auto& b : buttons) {
        QWidget* button = Control(b.id);
        ASSERT_TRUE(button) << b.id;
        EXPECT_EQ(button->geometry(), QRect(PxX(b.x), PxY(b.y), 36, 20)) << b.id;
        EXPECT_TRUE(button->isVisible() || !dialog.isVisible());
    }
    EXPECT_EQ(Control(1126)->pos(), QPoint(18, 241));
}

TEST_F(LayoutTest, CaptionsAndTheScoreBox)
{
    for (int i = 0; i < 6; ++i) {
        auto* size = qobject_cast<QRadioButton*>(Control(1002 + i));
        ASSERT_TRUE(size);
        EXPECT_EQ(size->text(), QStringLiteral("  %1").arg(i + 4));
    }
    dialog.show();
    auto* score = qobject_cast<QLineEdit*>(Control(1099));
    ASSERT_TRUE(score);
    EXPECT_TRUE(score->isReadOnly());
    EXPECT_EQ(score->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    // Painted like static text: the dialog's grey behind black digits, inside its edges.
    const QImage shown = score->grab().toImage();
    EXPECT_EQ(shown.pixelColor(4, shown.height() / 2), QColor(192, 192, 192));
    QColor darkest = Qt::white;
    for (int x = 3; x < shown.width() - 3; ++x)
        for (int y = 3; y < shown.height() - 3; ++y)
            if (shown.pixelColor(x, y).lightness() < darkest.lightness())
                darkest = shown.pixelColor(x, y);
    EXPECT_LT(darkest.lightness(), 32);
    // The captions fit their controls in the dialog font.
    const QFontMetrics metrics(score->font());
    EXPECT_LE(metrics.horizontalAdvance(score->text()), score->width() - 8);
    EXPECT_LE(metrics.height(), PxY(8));
    dialog.hide();
}

TEST_F(LayoutTest, ScreenReadersHearWhatIsShownAndNothingHidden)
{
    EXPECT_EQ(Control(1125)->accessibleName(), QStringLiteral("Hint"));
    EXPECT_EQ(Control(1111)->accessibleName(), QStringLiteral("level II"));
    EXPECT_EQ(Control(1005)->accessibleName(), QStringLiteral("board size 7"));
    EXPECT_EQ(Control(1099)->accessibleName(), QStringLiteral("score"));
    dialog.show();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
    ASSERT_TRUE(window);
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_FALSE(child->text(QAccessible::Name).isEmpty()) << i;
        EXPECT_FALSE(child->state().invisible) << child->text(QAccessible::Name).toStdString();
    }
    dialog.hide();
}

}  // namespace
