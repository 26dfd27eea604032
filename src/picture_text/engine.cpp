#include "picture_text/engine.h"

#include <algorithm>
#include <climits>

namespace {

// The font of a text kind; the plain font for the kinds without text.
TextFont FontOf(LineKind kind)
{
    switch (kind) {
    case LineKind::kLarge: return TextFont::kLarge;
    case LineKind::kMedium: return TextFont::kMedium;
    case LineKind::kSmall: return TextFont::kSmall;
    default: return TextFont::kPlain;
    }
}

}  // namespace

CPictureTextEngine::CPictureTextEngine(IPictureTextMeasure& measure)
    : m_measure(measure),
      m_crColor{Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(255, 255, 0), Rgb(0, 255, 255), Rgb(255, 255, 255)}
{
}

void CPictureTextEngine::Resize(int width, int height)
{
    if (width == m_nWidth && height == m_nHeight)
        return;
    m_nWidth = std::max(width, 0);
    m_nHeight = std::max(height, 0);
    m_bCanvas = false;
}

void CPictureTextEngine::SetText(std::string_view text, char separator)
{
    m_lines = CutLines(text, separator);
    m_posNext = 0;
    m_nTick = 1;
    m_nScrolled = 0;
    if (m_bStillView)
        m_bCanvas = false;
}

void CPictureTextEngine::SetSpeed(int slot, unsigned ms)
{
    if (slot < 0 || slot >= static_cast<int>(m_nInterval.size()))
        return;
    if (ms != 0)
        m_nInterval[static_cast<std::size_t>(slot)] = ms;
    m_nIntervalSlot = slot;
}

void CPictureTextEngine::SetColor(int slot, COLORREF colour)
{
    if (slot < 0 || slot >= static_cast<int>(m_crColor.size()))
        return;
    m_crColor[static_cast<std::size_t>(slot)] = colour;
}

bool CPictureTextEngine::Start()
{
    if (m_lines.empty())
        return false;
    m_bCanvas = false;
    m_nTimer = m_nInterval[static_cast<std::size_t>(m_nIntervalSlot)];
    m_posNext = 0;
    m_nTick = 1;
    m_nScrolled = 0;
    return true;
}

void CPictureTextEngine::SetRunning(bool run)
{
    if (!run) {
        m_nTimer = 0;
        return;
    }
    // A still view is no frame to scroll on from.
    if (m_bStillView)
        m_bCanvas = false;
    m_nTimer = m_nInterval[static_cast<std::size_t>(m_nIntervalSlot)];
}

void CPictureTextEngine::Stop()
{
    m_nTimer = 0;
    m_bCanvas = false;
}

void CPictureTextEngine::ClearText()
{
    m_lines.clear();
    m_posNext.reset();
}

PixelRect CPictureTextEngine::ContentColumn() const
{
    const int left = (m_nWidth - m_nContentWidth) / 2;
    return {left, 0, left + m_nContentWidth, m_nHeight};
}

std::optional<TextStyle> CPictureTextEngine::StyleOf(LineKind kind) const
{
    switch (kind) {
    case LineKind::kLarge: return TextStyle{FontOf(kind), m_crColor[kLargeColour]};
    case LineKind::kMedium: return TextStyle{FontOf(kind), m_crColor[kMediumColour]};
    case LineKind::kSmall: return TextStyle{FontOf(kind), m_crColor[kSmallColour]};
    case LineKind::kPlain: return TextStyle{FontOf(kind), m_crColor[kPlainColour]};
    default: return std::nullopt;
    }
}

int CPictureTextEngine::CellHeightOf(TextFont font)
{
    switch (font) {
    case TextFont::kLarge: return 19;
    case TextFont::kMedium: return 17;
    default: return 15;
    }
}

int CPictureTextEngine::CellHeightOf(LineKind kind)
{
    return CellHeightOf(FontOf(kind));
}

void CPictureTextEngine::Widen(int wanted, PixelRect& column)
{
    if (wanted <= m_nContentWidth)
        return;
    m_nContentWidth = std::min(wanted, m_nWidth);
    column = ContentColumn();
}

bool CPictureTextEngine::LoadPicture(std::string_view name, const PixelRect& column)
{
    const std::optional<PictureSize> size = m_measure.PictureSizeOf(name);
    if (!size)
        return false;
    m_strPicture = name;
    m_nPicWidth = size->width;
    m_nPicHeight = size->height;
    m_nPicX = column.right - column.Width() / 2 - m_nPicWidth / 2;
    m_nPicY = column.bottom;
    m_bPicture = true;
    return true;
}

TickDraw CPictureTextEngine::Tick()
{
    bool bNewLine = false;
    // Without lines nothing is fetched, so the counter need not move (SetText restarts it).
    if (!m_bPicture && !m_lines.empty()) {
        const int t = m_nTick;
        m_nTick = t + 1;
        if (t % m_nLineHeight == 0) {
            m_nTick = 1;
            std::size_t next = m_posNext.value_or(0);
            if (next >= m_lines.size())
                next = 0;
            m_strLine = m_lines[next];
            bNewLine = m_bFirstPass;
            if (++next == m_lines.size()) {
                m_bFirstPass = false;
                next = 0;
            }
            m_posNext = next;
            m_nScrolled = 0;
        }
    }

    TickDraw draw;
    draw.freshCanvas = !m_bCanvas;
    m_bCanvas = true;
    m_bStillView = false;
    PixelRect column = ContentColumn();
    if (column.Width() > 0)
        draw.scroll = column;
    if (m_nScrolled <= INT_MAX - m_nStep)
        m_nScrolled += m_nStep;

    // What the line shows: a failing picture line is drawn as text in the surface's defaults.
    TextStyle style = SurfaceStyle();
    std::string_view text;
    if (!m_strLine.empty()) {
        const LineClass line = ClassifyLine(m_strLine);
        if (line.kind == LineKind::kPicture) {
            if (!m_bPicture && !LoadPicture(line.shown, column))
                text = m_strLine;
        } else {
            style = *StyleOf(line.kind);
            m_nLineHeight = CellHeightOf(line.kind);
            text = line.shown;
        }
    }

    if (!m_bPicture) {
        if (bNewLine)
            Widen(m_measure.TextWidth(text, style.font), column);
        draw.column = column;
        if (!text.empty()) {
            draw.reveal = TickDraw::Reveal::kText;
            draw.text = text;
            draw.style = style;
            draw.revealed = {column.left, m_nHeight - m_nScrolled, column.right, m_nHeight};
        }
        return draw;
    }
    if (bNewLine)
        Widen(m_nPicWidth, column);
    draw.column = column;
    draw.reveal = TickDraw::Reveal::kPicture;
    draw.picture = m_strPicture;
    draw.pictureX = m_nPicX;
    draw.pictureY = m_nPicY - m_nScrolled;
    draw.rows = std::min(m_nScrolled, m_nPicHeight);
    if (m_nScrolled > m_nPicHeight) {
        m_bPicture = false;
        m_nScrolled = 0;
        m_strLine.clear();
        m_nTick = 1;
    }
    return draw;
}
