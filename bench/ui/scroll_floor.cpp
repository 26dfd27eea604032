// The floor for a scrolling help page: a bare Qt widget of the page's size scrolling a drawn
// image upwards at the pages' 100 pixels a second, catching up on a timer of one display
// frame and moving what is on screen with scroll(), so a frame paints only the rows it
// uncovers. Started by bench_ui_scroll_cpu; it runs until it is killed.
#include <QApplication>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWidget>

namespace {

constexpr int kPixelsPerSecond = 100;
constexpr int kFrameMs = 16;

class ScrollingImage : public QWidget {
public:
    ScrollingImage()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("scroll floor"));
        resize(398, 221);
        // Lines of text on white, one every 19 rows, as tall as several screens.
        m_image = QImage(398, 19 * 60, QImage::Format_RGB32);
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        painter.setPen(QColor(0, 0, 100));
        painter.setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
        for (int line = 0; line < 60; ++line)
            painter.drawText(QRect(0, 19 * line, 398, 19), Qt::AlignCenter,
                             QStringLiteral("Line %1 of a help page that scrolls").arg(line));
        m_clock.start();
        m_timer.start(kFrameMs, Qt::PreciseTimer, this);
    }

protected:
    void timerEvent(QTimerEvent*) override
    {
        const int due = static_cast<int>(m_clock.elapsed() * kPixelsPerSecond / 1000) - m_scrolled;
        if (due <= 0)
            return;
        m_scrolled += due;
        scroll(0, -due);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        for (const QRect& rect : event->region()) {
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                painter.drawImage(QPoint(rect.left(), y), m_image,
                                  QRect(rect.left(), (m_scrolled + y) % m_image.height(), rect.width(), 1));
        }
    }

private:
    QImage m_image;
    QBasicTimer m_timer;
    QElapsedTimer m_clock;
    int m_scrolled = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ScrollingImage widget;
    widget.show();
    return app.exec();
}
