// The window's geometry: every control where the dialog-unit layout puts it, in pixels.
#include <QAccessible>
#include <QImage>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <set>

#include "dialog_pixels.h"
#include "game_dlg_fixture.h"
#include "qt_print.h"

namespace {

using LayoutTest = GameDlgTest;

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
    // Among the desktop icon set, every size of which the window system gets as drawn.
    std::set<int> sizes;
    for (const QSize& size : dialog.windowIcon().availableSizes())
        sizes.insert(size.width());
    EXPECT_EQ(sizes, (std::set<int>{16, 22, 32, 48, 64, 128, 256}));
}

TEST_F(LayoutTest, EveryCellStandsAtItsPositionUnderItsName)
{
    std::set<QString> seen;
    for (int c = 1; c <= 9; ++c) {
        for (int h = 1; h <= c; ++h) {
            SCOPED_TRACE(testing::Message() << "column " << c << " height " << h);
            QWidget* smiley = Find(control_name::Smiley(c, h));
            QWidget* mirror = Find(control_name::Mirror(c, h));
            ASSERT_TRUE(smiley && mirror);
            EXPECT_EQ(smiley, dialog.SmileyCell(c, h));
            EXPECT_EQ(mirror, dialog.MirrorCell(c, h));
            EXPECT_EQ(smiley->geometry(),
                      QRect(PxX(55 + 17 * (9 - c)), PxY(148 - 16 * (h - 1)), 24, 24));
            // The mirror stands in column 10 - c, row h from the top.
            EXPECT_EQ(mirror->geometry(), QRect(PxX(55 + 17 * (c - 1)), PxY(4 + 16 * (h - 1)), 24, 24));
            seen.insert(smiley->objectName());
            seen.insert(mirror->objectName());
        }
    }
    EXPECT_EQ(seen.size(), 90u);
    // Corners of the grid, worked out by hand.
    EXPECT_EQ(dialog.SmileyCell(1, 1)->pos(), QPoint(287, 241));
    EXPECT_EQ(dialog.SmileyCell(9, 9)->pos(), QPoint(83, 33));
    EXPECT_EQ(dialog.MirrorCell(9, 9)->pos(), QPoint(287, 215));
    EXPECT_EQ(dialog.MirrorCell(1, 1)->pos(), QPoint(83, 7));
}

TEST_F(LayoutTest, LeftPanelControlsStandAtTheirConvertedRectangles)
{
    struct Expected {
        QString name;
        QRect rect;
    };
    const Expected controls[] = {
        {control_name::Level(1), PxRect(9, 44, 10, 10)},      {control_name::Level(2), PxRect(19, 44, 10, 10)},
        {control_name::Level(3), PxRect(29, 44, 10, 10)},     {control_name::kScore, PxRect(8, 55, 32, 14)},
        {control_name::BoardSize(4), PxRect(12, 70, 24, 12)}, {control_name::BoardSize(5), PxRect(12, 82, 24, 12)},
        {control_name::BoardSize(6), PxRect(12, 95, 24, 12)}, {control_name::BoardSize(7), PxRect(12, 108, 24, 12)},
        {control_name::BoardSize(8), PxRect(12, 121, 24, 12)}, {control_name::BoardSize(9), PxRect(12, 135, 24, 12)},
    };
    for (const Expected& expected : controls) {
        QWidget* control = Find(expected.name);
        ASSERT_TRUE(control) << expected.name.toStdString();
        EXPECT_EQ(control->geometry(), expected.rect) << expected.name.toStdString();
    }
    EXPECT_EQ(Find(control_name::kScore)->geometry(), QRect(12, 89, 48, 23));

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
        const char* name;
        int x, y;
    } buttons[] = {{control_name::kHelp, 1, 1},   {control_name::kSound, 26, 1}, {control_name::kDemo, 1, 15},
                   {control_name::kHint, 26, 15}, {control_name::kBack, 12, 148}};
    for (const auto& b : buttons) {
        QWidget* button = Find(b.name);
        ASSERT_TRUE(button) << b.name;
        EXPECT_EQ(button->geometry(), QRect(PxX(b.x), PxY(b.y), 36, 20)) << b.name;
        EXPECT_TRUE(button->isVisible());
    }
    EXPECT_EQ(Find(control_name::kBack)->pos(), QPoint(18, 241));
}

TEST_F(LayoutTest, CaptionsAndTheScoreBox)
{
    for (int i = 0; i < 6; ++i) {
        auto* size = qobject_cast<QRadioButton*>(Find(control_name::BoardSize(i + 4)));
        ASSERT_TRUE(size);
        EXPECT_EQ(size->text(), QStringLiteral("  %1").arg(i + 4));
    }
    auto* score = qobject_cast<QLineEdit*>(Find(control_name::kScore));
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
}

TEST_F(LayoutTest, ScreenReadersHearWhatIsShownAndNothingHidden)
{
    EXPECT_EQ(Find(control_name::kHint)->accessibleName(), QStringLiteral("Hint"));
    EXPECT_EQ(Find(control_name::Level(2))->accessibleName(), QStringLiteral("level II"));
    EXPECT_EQ(Find(control_name::BoardSize(7))->accessibleName(), QStringLiteral("board size 7"));
    EXPECT_EQ(Find(control_name::kScore)->accessibleName(), QStringLiteral("score"));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
    ASSERT_TRUE(window);
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_FALSE(child->text(QAccessible::Name).isEmpty()) << i;
        EXPECT_FALSE(child->state().invisible) << child->text(QAccessible::Name).toStdString();
    }
}

}  // namespace
