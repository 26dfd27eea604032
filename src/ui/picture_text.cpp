#include "ui/picture_text.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <climits>

#include "assets/pictures.h"

namespace {

// Pixel sizes at which "Arial" (Liberation Sans here) has the cell heights 19, 17 and 15.
int PixelSizeForCellHeight(int cellHeight)
{
    switch (cellHeight) {
    case 19: return 17;
    case 17: return 15;
    default: return 13;
    }
}

QFont TextFont(int cellHeight, QFont::Weight weight)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(PixelSizeForCellHeight(cellHeight));
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Glyph edges blended with the key colour would leave a fringe of it round the text
    // wherever the tile shows through: every text pixel is either the text colour or not drawn.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

CPictureText::CPictureText(QWidget* parent)
    : QWidget(parent),
      m_crColor{Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(255, 255, 0), Rgb(0, 255, 255),
                Rgb(255, 255, 255)}
{
    m_fonts = {TextFont(m_nFontHeight[0], QFont::Bold), TextFont(m_nFontHeight[1], QFont::Bold),
               TextFont(m_nFontHeight[2], QFont::Bold), TextFont(m_nFontHeight[2], QFont::Thin)};
    // Every paint covers the whole control from the off-screen frame; nothing is erased.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

CPictureText::~CPictureText() = default;

void CPictureText::SetText(std::string_view text, char separator)
{
    m_lines = CutLines(text, separator);
    m_posNext = 0;
    m_nTick = 1;
    m_nScrolled = 0;
    if (m_bStillView) {
        m_bmpCanvas = QImage();
        update();
    }
}

void CPictureText::SetSpeed(int slot, unsigned ms)
{
    if (slot < 0 || slot >= static_cast<int>(m_nInterval.size()))
        return;
    if (ms != 0)
        m_nInterval[static_cast<std::size_t>(slot)] = ms;
    m_nIntervalSlot = slot;
}

void CPictureText::SetColor(int slot, COLORREF colour)
{
    if (slot < 0 || slot >= static_cast<int>(m_crColor.size()))
        return;
    m_crColor[static_cast<std::size_t>(slot)] = colour;
}

bool CPictureText::SetBackground(std::string_view name)
{
    m_bmpBack = QImage();
    m_nBackWidth = m_nBackHeight = 0;
    m_imgTiled = QImage();
    update();
    m_bmpBack = LoadRgbPicture(name);
    if (m_bmpBack.isNull())
        return false;
    m_nBackWidth = m_bmpBack.width();
    m_nBackHeight = m_bmpBack.height();
    return true;
}

bool CPictureText::Start()
{
    if (m_lines.empty())
        return false;
    m_bmpCanvas = QImage();
    StartTimer();
    m_posNext = 0;
    m_nTick = 1;
    m_nScrolled = 0;
    return true;
}

void CPictureText::SetRunning(bool run)
{
    if (run) {
        // A still view is no frame to scroll on from.
        if (m_bStillView)
            m_bmpCanvas = QImage();
        StartTimer();
    } else {
        m_timer.stop();
        update();  // the frame where it stopped, should a tick have skipped its repaint
    }
}

void CPictureText::Stop()
{
    m_timer.stop();
    m_bmpCanvas = QImage();
    update();
}

void CPictureText::ClearText()
{
    m_lines.clear();
    m_posNext.reset();
}

void CPictureText::StartTimer()
{
    const unsigned ms = m_nInterval[static_cast<std::size_t>(m_nIntervalSlot)];
    m_timer.start(static_cast<int>(std::min<unsigned>(ms, INT_MAX)), Qt::PreciseTimer, this);
}

void CPictureText::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        Tick();
    else
        QWidget::timerEvent(event);
}

void CPictureText::paintEvent(QPaintEvent* event)
{
    QRect area = m_rcArea;
    if (!IsRunning()) {
        DrawStillView();
        area = event->rect();
    }
    const QImage& frame = ComposeFrame(area);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), frame, event->rect());
}

QImage CPictureText::LoadRgbPicture(std::string_view name)
{
    QImage picture;
    if (!LoadPicture(name, &picture))
        return QImage();
    return picture.convertToFormat(QImage::Format_RGB32);
}

CPictureText::TextStyle CPictureText::DefaultStyle() const
{
    return {&m_fonts[3], qRgb(0, 0, 0)};
}

CPictureText::TextStyle CPictureText::StyleOf(LineKind kind) const
{
    switch (kind) {
    case LineKind::kLarge: return {&m_fonts[0], ToQRgb(m_crColor[1])};
    case LineKind::kMedium: return {&m_fonts[1], ToQRgb(m_crColor[2])};
    case LineKind::kSmall: return {&m_fonts[2], ToQRgb(m_crColor[3])};
    default: return {&m_fonts[3], ToQRgb(m_crColor[4])};
    }
}

int CPictureText::CellHeightOf(LineKind kind) const
{
    switch (kind) {
    case LineKind::kLarge: return m_nFontHeight[0];
    case LineKind::kMedium: return m_nFontHeight[1];
    default: return m_nFontHeight[2];
    }
}
