#pragma once

#include <QFont>
#include <QRect>
#include <QTextLayout>

class QPainter;

// One line of text shaped once and drawn as often as needed: single-line, no mnemonics,
// tabs as the font draws them, centred horizontally at the top of a rectangle.
class CTextLine {
public:
    // Shapes text in font unless it is already the line held.
    void Set(const QString& text, const QFont& font);
    // Draws the glyphs only (no background); the painter's clip decides what shows.
    void Draw(QPainter& painter, const QRect& rect) const;

private:
    QTextLayout m_layout;
    QFont m_font;
    int m_nAdvance = 0;
    bool m_bShaped = false;
};
