// What a picture button paints in each state, with the fall-through between its pictures.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "active_window.h"
#include "art_on_device.h"
#include "qt_print.h"
#include "widgets/cell_button.h"

namespace {

// A picture of one colour with a one-pixel checkerboard in its top-left quarter, so that any
// smoothing or scaling shows.
QImage Picture(QColor colour, QSize size = QSize(24, 24))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    for (int y = 0; y < size.height() / 2; ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            if ((x + y) % 2)
                image.setPixelColor(x, y, Qt::black);
    return image;
}

const QColor kUp(255, 255, 0), kDown(0, 255, 255), kFocused(255, 255, 255), kDisabled(192, 192, 192);

// Pictures named by the letters present, e.g. "UDX" leaves out the focused one.
CellPictures Pictures(const std::string& letters)
{
    CellPictures pictures;
    auto has = [&](char letter) { return letters.find(letter) != std::string::npos; };
    if (has('U')) pictures.up = Picture(kUp);
    if (has('D')) pictures.down = Picture(kDown);
    if (has('F')) pictures.focused = Picture(kFocused);
    if (has('X')) pictures.disabled = Picture(kDisabled);
    return pictures;
}

QImage Painted(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Expected(QColor colour)
{
    return Picture(colour);
}

// A window of its own that holds the button and a second control that can take the focus.
class CellButtonTest : public testing::Test {
protected:
    CCellButton* Make(const std::string& letters)
    {
        auto* button = new CCellButton(Pictures(letters), &window);
        button->setFocusPolicy(Qt::ClickFocus);
        other = new CCellButton(Pictures("U"), &window);
        other->move(40, 0);
        other->setFocusPolicy(Qt::ClickFocus);
        window.resize(80, 30);
        button->show();
        other->show();
        EXPECT_TRUE(ShowActive(window));
        other->setFocus();
        return button;
    }

    QWidget window;
    CCellButton* other = nullptr;
};

struct StateCase {
    const char* pictures;
    bool down;
    bool focused;
    bool enabled;
    QColor expected;
};

TEST_F(CellButtonTest, PaintsThePictureOfItsStateFallingThroughMissingOnes)
{
    const StateCase cases[] = {
        {"UDFX", false, false, true, kUp},
        {"UDFX", true, false, true, kDown},
        {"UDFX", true, true, true, kDown},      // pressed wins over focused
        {"UDFX", false, true, true, kFocused},
        {"UDFX", false, false, false, kDisabled},
        {"UFX", true, true, true, kFocused},    // no "D": the focus picture
        {"UFX", true, false, true, kUp},        // no "D", no focus: up
        {"UDX", false, true, true, kUp},        // no "F": up
        {"UD", false, false, false, kUp},       // no "X": up
        {"UDF", false, false, false, kUp},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pictures << " down " << c.down << " focused "
                                        << c.focused << " enabled " << c.enabled);
        CCellButton* button = Make(c.pictures);
        button->setEnabled(c.enabled);
        if (c.focused)
            button->setFocus();
        button->setDown(c.down);
        ASSERT_EQ(button->hasFocus(), c.focused);
        EXPECT_EQ(Painted(*button), Expected(c.expected));
        delete button;
        delete other;
    }
}

TEST_F(CellButtonTest, TakesTheSizeOfItsUpPicture)
{
    CellPictures pictures;
    pictures.up = Picture(kUp, QSize(36, 20));
    CCellButton button(pictures, nullptr);
    EXPECT_EQ(button.size(), QSize(36, 20));
    EXPECT_EQ(button.sizeHint(), QSize(36, 20));
}

TEST_F(CellButtonTest, ScalesByWholeNumbersWithoutSmoothing)
{
    CCellButton* button = Make("UDFX");
    QImage canvas(48, 48, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(2.0);
    canvas.fill(Qt::red);
    button->render(&canvas);
    const QImage picture = Expected(kUp);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(canvas.pixel(x, y), picture.pixel(x / 2, y / 2)) << x << "," << y;
}

// At a fractional scale the button scales its picture itself onto the device's pixels, from
// wherever its corner falls between them; its focus mark is round(S) device pixels wide, as
// the style's lines are, and its outer edges lie on the device pixels nearest the edges of the
// logical rectangle 2 pixels inside the button (a 24 x 24 button here).
TEST_F(CellButtonTest, FractionalScalesMixOnlyAlongPixelEdgesAndKeepTheMarkWhole)
{
    struct Case {
        double scale;
        QPoint at;  // where the button stands in the image, in its logical pixels
        QRect mark;  // the device pixels the mark's outline covers
    };
    // 1.25 at 0: edges at 2.5 and 27.5; 1.5 at 1: 4.5 and 34.5; 1.75 at 3 and 1: 8.75 and
    // 43.75 across, 5.25 and 40.25 down.
    for (const Case c : {Case{1.25, {0, 0}, QRect(3, 3, 25, 25)}, Case{1.5, {1, 1}, QRect(5, 5, 30, 30)},
                         Case{1.75, {3, 1}, QRect(9, 5, 35, 35)}}) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale << " at " << c.at.x() << "," << c.at.y());
        CCellButton* button = Make("UDFX");
        QImage plain(64, 64, QImage::Format_RGB32);
        plain.fill(Qt::red);
        plain.setDevicePixelRatio(c.scale);
        QImage unmarked = plain, marked = plain;
        button->render(&plain, c.at);
        const ArtOnDevice art = MeasureArtOnDevice(Expected(kUp), plain, QPointF(c.at) * c.scale, c.scale);
        EXPECT_EQ(art.wrong, 0) << art.firstWrong.toStdString();
        EXPECT_GT(art.mixed, 0);

        // Focused, with and without the keyboard having moved the focus: the mark is the only
        // difference, an outline round(S) device pixels wide.
        button->setFocus();
        window.setAttribute(Qt::WA_KeyboardFocusChange, false);
        button->render(&unmarked, c.at);
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        button->render(&marked, c.at);
        window.setAttribute(Qt::WA_KeyboardFocusChange, false);
        QRect outline;
        for (int y = 0; y < marked.height(); ++y)
            for (int x = 0; x < marked.width(); ++x)
                if (marked.pixel(x, y) != unmarked.pixel(x, y))
                    outline |= QRect(x, y, 1, 1);
        EXPECT_EQ(outline, c.mark);
        const int thick = static_cast<int>(std::lround(c.scale));
        ASSERT_GE(outline.width(), 2 * thick + 1);
        const QRect inside = outline.adjusted(thick, thick, -thick, -thick);
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                ASSERT_EQ(marked.pixel(x, y), unmarked.pixel(x, y)) << "the mark is wider at " << x << "," << y;
        delete button;
    }
}

}  // namespace
