// The lines the classic style draws (3-D edges, frames, focus marks) are as thick as the art
// beside them at every scale: each line that is n pixels at 100 % is n round(S) device pixels,
// in the same colour and order, at S, and none is lost where the element's edge falls between
// device pixels.
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

#include "widgets/focus_mark.h"
#include "widgets/framed_radio.h"

namespace {

// Off the device grid at every fractional scale tested.
constexpr int kOffset = 3;
const QColor kBackground(0, 0, 255);

enum Side { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8, kAll = 15 };

struct Element {
    const char* name;
    QSize size;
    std::function<QWidget*(QWidget* parent)> make;
    int sides = kAll;  // crossed through the middle, where only lines and a plain face lie
};

QFrame* Frame(QWidget* parent, int style, int lineWidth)
{
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(style);
    frame->setLineWidth(lineWidth);
    return frame;
}

const Element kElements[] = {
    {"settings frame", {69, 223}, [](QWidget* p) { return Frame(p, QFrame::WinPanel | QFrame::Sunken, 1); }},
    {"Help's pane", {404, 230}, [](QWidget* p) { return Frame(p, QFrame::Panel | QFrame::Raised, 2); }},
    {"push button", {48, 23}, [](QWidget* p) { return new QPushButton(QStringLiteral("OK"), p); }},
    {"default button", {48, 23}, [](QWidget* p) {
         auto* button = new QPushButton(QStringLiteral("OK"), p);
         button->setDefault(true);
         return button;
     }},
    {"score box", {48, 23}, [](QWidget* p) {
         auto* edit = new QLineEdit(QStringLiteral("0:0"), p);
         edit->setReadOnly(true);
         return edit;
     }},
    // Its radio button's round edge stands inside the frame on the left.
    {"board size button", {36, 20}, [](QWidget* p) { return new CFramedRadio(QStringLiteral("  4"), p); },
     kRight | kTop | kBottom},
};

// The element drawn in a window of a colour of its own, off the window's corner, at a scale.
QImage Drawn(const Element& element, qreal scale)
{
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, kBackground);
    window.setPalette(palette);
    window.resize(element.size + QSize(2 * kOffset, 2 * kOffset));
    QWidget* widget = element.make(&window);
    widget->setPalette(QApplication::palette());
    widget->setGeometry(QRect(QPoint(kOffset, kOffset), element.size));
    QImage image((QSizeF(window.size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    window.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

struct ColourRun {
    QRgb colour;
    int length;
};

// The runs of one colour along a line of pixels from the image's edge inward.
std::vector<ColourRun> Runs(const QImage& image, QPoint from, QPoint step)
{
    std::vector<ColourRun> runs;
    for (QPoint at = from; image.rect().contains(at); at += step) {
        const QRgb colour = image.pixel(at);
        if (!runs.empty() && runs.back().colour == colour)
            ++runs.back().length;
        else
            runs.push_back({colour, 1});
    }
    return runs;
}

// The lines an edge shows, from outside in, as "colour x thickness", then what lies inside
// them.
QString Lines(const std::vector<ColourRun>& runs, std::size_t count)
{
    QString text;
    for (std::size_t i = 1; i <= count && i < runs.size(); ++i)
        text += QStringLiteral("%1x%2 ").arg(runs[i].colour & 0xffffff, 6, 16, QChar('0')).arg(runs[i].length);
    return text + (count + 1 < runs.size() ? QStringLiteral("| %1").arg(runs[count + 1].colour & 0xffffff, 6, 16, QChar('0'))
                                           : QStringLiteral("| nothing"));
}

// At 100 %: how many runs after the window's colour are lines, those within the outer three
// pixels, where the style draws its edges.
std::size_t LinesAtOne(const std::vector<ColourRun>& runs)
{
    constexpr int kEdge = 3;
    std::size_t count = 0;
    for (int depth = 0; count + 2 < runs.size() && depth + runs[count + 1].length <= kEdge; ++count)
        depth += runs[count + 1].length;
    return count;
}

// The four edges' lines through the element's middle.
std::vector<std::vector<ColourRun>> Edges(const QImage& image)
{
    const QPoint middle(image.width() / 2, image.height() / 2);
    return {Runs(image, {0, middle.y()}, {1, 0}), Runs(image, {image.width() - 1, middle.y()}, {-1, 0}),
            Runs(image, {middle.x(), 0}, {0, 1}), Runs(image, {middle.x(), image.height() - 1}, {0, -1})};
}

class StyleLinesTest : public testing::TestWithParam<qreal> {};

TEST_P(StyleLinesTest, EveryLineOfAnEdgeIsRoundScaleDevicePixelsThick)
{
    const qreal scale = GetParam();
    const int thick = static_cast<int>(std::lround(scale));
    for (const Element& element : kElements) {
        SCOPED_TRACE(element.name);
        const std::vector<std::vector<ColourRun>> atOne = Edges(Drawn(element, 1));
        const std::vector<std::vector<ColourRun>> atScale = Edges(Drawn(element, scale));
        for (std::size_t side = 0; side < atOne.size(); ++side) {
            if ((element.sides & (1 << side)) == 0)
                continue;
            std::vector<ColourRun> expected = atOne[side];
            const std::size_t count = LinesAtOne(expected);
            ASSERT_GT(count, 0u) << "side " << side << " draws no line at 100 %";
            for (std::size_t i = 1; i <= count; ++i)
                expected[i].length *= thick;
            EXPECT_EQ(Lines(atScale[side], count), Lines(expected, count)) << "side " << side;
        }
    }
}

TEST_P(StyleLinesTest, TheFocusMarkIsRoundScaleDevicePixelsThickOnEverySide)
{
    const qreal scale = GetParam();
    const int thick = static_cast<int>(std::lround(scale));
    QWidget widget;
    QImage image((QSizeF(40, 30) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(scale);
    {
        QPainter painter(&image);
        DrawFocusMark(painter, widget, QRect(kOffset, kOffset, 31, 21));
    }
    image.setDevicePixelRatio(1);
    // Across each side's middle half, every dot of the mark is as thick as a line.
    const int w = image.width(), h = image.height();
    const struct {
        QPoint first, along, inward;
        int count;
    } sides[] = {{{0, h / 4}, {0, 1}, {1, 0}, h / 2}, {{w - 1, h / 4}, {0, 1}, {-1, 0}, h / 2},
                 {{w / 4, 0}, {1, 0}, {0, 1}, w / 2}, {{w / 4, h - 1}, {1, 0}, {0, -1}, w / 2}};
    for (const auto& side : sides) {
        int dots = 0;
        for (int i = 0; i < side.count; ++i) {
            const std::vector<ColourRun> runs = Runs(image, side.first + i * side.along, side.inward);
            if (runs.size() > 2) {
                ++dots;
                EXPECT_EQ(runs[1].length, thick) << "across the side from " << side.first.x() << "," << side.first.y();
            }
        }
        EXPECT_GT(dots, 0) << "a side of the mark is missing";
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, StyleLinesTest, testing::Values(1.25, 1.5, 1.75, 2.0));

}  // namespace
