#include "widgets/picture_text.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <algorithm>
#include <climits>

#include "assets/pictures.h"
#include "widgets/windows1252.h"

namespace {

// Whether lines drawn top-aligned in font stay inside cellHeight rows: its line height and
// the ink of its deepest glyphs, which hinting may push a row below the font's descent.
bool FitsCell(const QFont& font, int cellHeight)
{
    const QFontMetrics metrics(font);
    if (metrics.height() > cellHeight)
        return false;
    const QString sample = QStringLiteral("gjpqy_|(),;Q\u00C7");
    const int margin = font.pixelSize();
    QImage image(metrics.horizontalAdvance(sample) + 2 * margin, cellHeight + margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(margin, metrics.ascent()), sample);
    painter.end();
    for (int y = cellHeight; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::any_of(row, row + image.width(), [](QRgb pixel) { return pixel != qRgb(255, 255, 255); }))
            return false;
    }
    return true;
}

// "Arial" as fontconfig matches it, at the largest pixel size that fits the cell: the same
// cell whatever face the machine has for the name.
QFont CellFont(int cellHeight, QFont::Weight weight)
{
    QFont font(QStringLiteral("Arial"));
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Glyph edges blended with the key colour would leave a fringe of it round the text
    // wherever the tile shows through: every text pixel is either the text colour or not drawn.
    font.setStyleStrategy(QFont::NoAntialias);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (FitsCell(font, cellHeight))
            break;
    }
    return font;
}

}  // namespace

const QFont& CPictureText::Font(TextFont font)
{
    static const std::array<QFont, 4> fonts = {
        CellFont(CPictureTextEngine::CellHeightOf(TextFont::kLarge), QFont::Bold), CellFont(CPictureTextEngine::CellHeightOf(TextFont::kMedium), QFont::Bold),
        CellFont(CPictureTextEngine::CellHeightOf(TextFont::kSmall), QFont::Bold), CellFont(CPictureTextEngine::CellHeightOf(TextFont::kPlain), QFont::Thin)};
    return fonts[static_cast<std::size_t>(font)];
}

CPictureText::CPictureText(QWidget* parent) : QWidget(parent)
{
    // Every paint covers the whole control from the off-screen frame; nothing is erased.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

CPictureText::~CPictureText() = default;

void CPictureText::SetText(std::string_view text, char separator)
{
    const bool hadCanvas = m_engine.HasCanvas();
    m_engine.SetText(text, separator);
    if (hadCanvas && !m_engine.HasCanvas())
        update();  // the still view of the new text
}

void CPictureText::SetSpeed(int slot, unsigned ms)
{
    m_engine.SetSpeed(slot, ms);
}

void CPictureText::SetColor(int slot, COLORREF colour)
{
    m_engine.SetColor(slot, colour);
}

bool CPictureText::SetBackground(std::string_view name)
{
    m_bmpBack = QImage();
    m_nBackWidth = m_nBackHeight = 0;
    m_imgTiled = QImage();
    update();
    m_bmpBack = Picture(name);
    if (m_bmpBack.isNull())
        return false;
    m_nBackWidth = m_bmpBack.width();
    m_nBackHeight = m_bmpBack.height();
    return true;
}

bool CPictureText::Start()
{
    if (!m_engine.Start())
        return false;
    m_frameTimer.stop();  // the clock starts again from this moment
    SyncClock();
    return true;
}

void CPictureText::SetRunning(bool run)
{
    m_engine.SetRunning(run);
    m_frameTimer.stop();
    SyncClock();
}

void CPictureText::Stop()
{
    m_engine.Stop();
    SyncClock();
    update();
}

void CPictureText::ClearText()
{
    m_engine.ClearText();
}

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
    SyncClock();
}

void CPictureText::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_frameTimer.stop();
}

void CPictureText::RunTicks(int count)
{
    // A hidden widget learns its new size only when shown: take it as it is now.
    m_engine.Resize(width(), height());
    m_inkBefore = m_inkRows;
    bool fresh = false;
    for (int i = 0; i < count; ++i)
        fresh = ApplyTick(m_engine.Tick()) || fresh;
    if (Canvas() == nullptr)
        return;
    if (fresh || m_inkBefore.size() != m_inkRows.size()) {
        update();
        return;
    }
    QRegion changed;
    const int rows = static_cast<int>(m_inkRows.size());
    for (int y = 0; y < rows;) {
        if (!m_inkBefore[y] && !m_inkRows[y]) {
            ++y;
            continue;
        }
        const int top = y;
        while (y < rows && (m_inkBefore[y] || m_inkRows[y]))
            ++y;
        changed += QRect(m_rcArea.left(), top, m_rcArea.width(), y - top);
    }
    update(changed);
}

QImage* CPictureText::Canvas()
{
    return m_engine.HasCanvas() && !m_bmpCanvas.isNull() ? &m_bmpCanvas : nullptr;
}

void CPictureText::paintEvent(QPaintEvent* event)
{
    m_engine.Resize(width(), height());
    QRect area = m_rcArea;
    if (!IsRunning()) {
        if (!m_engine.HasCanvas())
            DrawStillView();
        area = rect();
    }
    const QImage& frame = ComposeFrame(area, event->region());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& rect : event->region())
        painter.drawImage(rect, frame, rect);
}

const QImage& CPictureText::Picture(std::string_view name)
{
    static const QImage none;
    auto found = m_pictures.find(name);
    if (found == m_pictures.end()) {
        // Names that fail are not kept: a text of many of them costs no memory.
        QImage picture;
        if (!LoadPicture(name, &picture))
            return none;
        found = m_pictures.emplace(std::string(name), picture.convertToFormat(QImage::Format_RGB32)).first;
    }
    return found->second;
}

std::optional<PictureSize> CPictureText::PictureSizeOf(std::string_view name)
{
    const QImage& picture = Picture(name);
    if (picture.isNull())
        return std::nullopt;
    return PictureSize{picture.width(), picture.height()};
}

int CPictureText::TextWidth(std::string_view text, TextFont font)
{
    return QFontMetrics(Font(font)).horizontalAdvance(FromWindows1252(text));
}

int CPictureText::TextHeight(std::string_view, TextFont font)
{
    // A line's height is its font's cell, whatever the face: the scrolling view spaces lines
    // by the same cells, so the two views agree.
    return CPictureTextEngine::CellHeightOf(font);
}
