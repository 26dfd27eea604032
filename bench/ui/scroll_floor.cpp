// The floors for a scrolling help page: a bare Qt widget of the page's size scrolling lines of
// text upwards at the pages' 100 pixels a second, catching up on a timer of one display frame.
// By default it moves what is on screen with scroll(), so a frame paints only the rows it
// uncovers. With --tiled the text has a transparent background and moves over a fixed 8 x 8
// tile, which scroll() cannot move on the server: each frame repaints the rows whose ink moved,
// tile first, then text, with QPainter. Started by bench_ui_scroll_cpu; runs until killed.
#include <QApplication>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kPixelsPerSecond = 100;
constexpr int kFrameMs = 16;
constexpr int kWidth = 398;
constexpr int kHeight = 221;
constexpr int kLines = 60;
constexpr int kLineHeight = 19;

// Lines of text on background, one every 19 rows, as tall as several screens.
QImage TextImage(QImage::Format format, QColor background)
{
    QImage image(kWidth, kLineHeight * kLines, format);
    image.fill(background);
    QPainter painter(&image);
    painter.setPen(QColor(0, 0, 100));
    painter.setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    for (int line = 0; line < kLines; ++line)
        painter.drawText(QRect(0, kLineHeight * line, kWidth, kLineHeight), Qt::AlignCenter,
                         QStringLiteral("Line %1 of a help page that scrolls").arg(line));
    return image;
}

// A page-sized widget whose content moves up at the pages' pace: each wake of a one-frame
// timer catches up with the clock, and the subclass shows the rows scrolled so far.
class ScrollingFloor : public QWidget {
public:
    ScrollingFloor()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("scroll floor"));
        resize(kWidth, kHeight);
        m_clock.start();
        m_timer.start(kFrameMs, Qt::PreciseTimer, this);
    }

protected:
    // Shows the content moved on from before rows to m_scrolled rows.
    virtual void Advance(int before) = 0;

    void timerEvent(QTimerEvent*) override
    {
        const int due = static_cast<int>(m_clock.elapsed() * kPixelsPerSecond / 1000) - m_scrolled;
        if (due <= 0)
            return;
        const int before = m_scrolled;
        m_scrolled += due;
        Advance(before);
    }

    // The rows of rect from the looping image, as far scrolled as the widget is.
    void DrawRows(QPainter& painter, const QRect& rect, const QImage& image) const
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            painter.drawImage(QPoint(rect.left(), y), image,
                              QRect(rect.left(), (m_scrolled + y) % image.height(), rect.width(), 1));
    }

    int m_scrolled = 0;

private:
    QBasicTimer m_timer;
    QElapsedTimer m_clock;
};

class ScrollingImage : public ScrollingFloor {
public:
    ScrollingImage() : m_image(TextImage(QImage::Format_RGB32, Qt::white)) {}

protected:
    void Advance(int before) override { scroll(0, before - m_scrolled); }
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        for (const QRect& rect : event->region())
            DrawRows(painter, rect, m_image);
    }

private:
    QImage m_image;
};

class TiledText : public ScrollingFloor {
public:
    TiledText() : m_text(TextImage(QImage::Format_ARGB32_Premultiplied, Qt::transparent))
    {
        QImage tile(8, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                tile.setPixel(x, y, (x + y) % 4 == 0 ? qRgb(192, 192, 160) : qRgb(224, 224, 200));
        m_tile = QPixmap::fromImage(tile);
        for (int y = 0; y < m_text.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(m_text.constScanLine(y));
            m_ink.push_back(std::any_of(row, row + kWidth, [](QRgb pixel) { return qAlpha(pixel) != 0; }));
        }
    }

protected:
    void Advance(int before) override
    {
        const auto inked = [this](int offset, int y) { return m_ink[static_cast<std::size_t>((offset + y) % m_text.height())]; };
        QRegion moved;
        for (int y = 0; y < kHeight;) {
            if (!inked(before, y) && !inked(m_scrolled, y)) {
                ++y;
                continue;
            }
            const int top = y;
            while (y < kHeight && (inked(before, y) || inked(m_scrolled, y)))
                ++y;
            moved += QRect(0, top, kWidth, y - top);
        }
        update(moved);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        for (const QRect& rect : event->region()) {
            painter.drawTiledPixmap(rect, m_tile, rect.topLeft());
            DrawRows(painter, rect, m_text);
        }
    }

private:
    QImage m_text;
    QPixmap m_tile;
    std::vector<bool> m_ink;  // per row of m_text: it holds text
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool tiled = argc > 1 && std::strcmp(argv[1], "--tiled") == 0;
    std::unique_ptr<QWidget> widget;
    if (tiled)
        widget = std::make_unique<TiledText>();
    else
        widget = std::make_unique<ScrollingImage>();
    widget->show();
    return app.exec();
}
