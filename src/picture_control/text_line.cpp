#include "picture_control/text_line.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <algorithm>
#include <QTextOption>

void CTextLine::Set(const QString& text, const QFont& font)
{
    if (m_bShaped && m_layout.text() == text && m_font == font)
        return;
    m_font = font;
    m_layout.setText(text);
    m_layout.setFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    m_layout.setTextOption(option);
    m_layout.beginLayout();
    QTextLine line = m_layout.createLine();
    if (line.isValid())
        line.setNumColumns(static_cast<int>(text.size()));
    m_layout.endLayout();
    m_nAdvance = QFontMetrics(font).horizontalAdvance(text);
    m_bShaped = true;
}

void CTextLine::Draw(QPainter& painter, const QRect& rect) const
{
    if (m_layout.lineCount() == 0)
        return;
    const QTextLine line = m_layout.lineAt(0);
    // Whole pixels, as the column is measured: a line as wide as its column starts at its left.
    const QPointF origin(rect.left() + (rect.width() - m_nAdvance) / 2, rect.top());
    // Only the characters near the visible part are drawn, so a line far wider than the
    // control costs no more than one that fits. Glyphs may overhang their advance: a margin
    // of the font's size keeps those.
    QRectF visible = rect;
    if (painter.hasClipping())
        visible = visible.intersected(painter.clipBoundingRect());
    const qreal margin = m_font.pixelSize();
    const int from = std::max(0, line.xToCursor(visible.left() - origin.x() - margin) - 1);
    const int to = line.xToCursor(visible.right() - origin.x() + margin) + 1;
    for (const QGlyphRun& run : line.glyphRuns(from, to - from))
        painter.drawGlyphRun(origin, run);
}
