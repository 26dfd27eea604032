#pragma once

#include <QImage>
#include <string>
#include <string_view>

#include "picture_text/engine.h"
#include "picture_control/text_line.h"

// The line emerging in a picture text, drawn once on the key colour, centred and top-aligned
// in a strip as wide as its column; each tick copies the rows it reveals. Drawn again only
// when the text, its style, the key colour or the strip's size change.
class CLineStrip {
public:
    // The strip of text (UTF-8) in device pixels, its glyphs drawn for the device scale; a
    // null image when size is empty.
    const QImage& Draw(std::string_view text, const TextStyle& style, QRgb key, QSize size, double scale);

private:
    std::string m_text;
    TextStyle m_style{TextFont::kPlain, 0};
    QRgb m_key = 0;
    double m_scale = 1.0;
    QImage m_image;
    CTextLine m_textLine;  // the line, shaped once
};
