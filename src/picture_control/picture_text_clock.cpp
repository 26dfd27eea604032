// When the control wakes: a clock of the tick interval, at most once per display frame, while
// the engine runs and the control shows in a window that is not minimised.
#include <QTimerEvent>
#include <algorithm>
#include <climits>

#include "picture_control/picture_text.h"

void CPictureText::SyncClock()
{
    // A minimised window keeps its widgets visible in Qt's sense; they only get hide events.
    if (!m_engine.IsRunning() || !isVisible() || window()->isMinimized()) {
        m_frameTimer.stop();
        return;
    }
    if (m_frameTimer.isActive())
        return;
    // The smallest whole number of ticks that spans a display frame, so that every wake has
    // the same number of ticks to run.
    const unsigned interval = m_engine.TickInterval();
    const unsigned ticksPerWake = (kFramePeriodMs + interval - 1) / interval;
    const unsigned wake = std::min<unsigned>(interval * ticksPerWake, INT_MAX);
    m_clock.start();
    m_nTicksRun = 0;
    m_frameTimer.start(static_cast<int>(wake), Qt::PreciseTimer, this);
}

void CPictureText::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_frameTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    const qint64 due = m_clock.elapsed() / m_engine.TickInterval() - m_nTicksRun;
    if (due <= 0)
        return;
    m_nTicksRun += due;
    RunTicks(static_cast<int>(std::min<qint64>(due, INT_MAX)));
}

void CPictureText::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    WatchWindow();
    SyncClock();
}

void CPictureText::WatchWindow()
{
    QWidget* top = window();
    if (top == this || top == m_watched)
        return;
    if (m_watched)
        m_watched->removeEventFilter(this);
    m_watched = top;
    top->installEventFilter(this);
}

bool CPictureText::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watched && event->type() == QEvent::WindowStateChange)
        SyncClock();
    return QWidget::eventFilter(watched, event);
}

void CPictureText::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_frameTimer.stop();
}
