#include "picture_control/line_strip.h"

#include <QPainter>

#include "picture_control/qrgb.h"
#include "text_fonts/picture_text_fonts.h"

const QImage& CLineStrip::Draw(std::string_view text, const TextStyle& style, QRgb key, QSize size, double scale)
{
    if (m_text == text && m_style == style && m_key == key && m_image.size() == size && m_scale == scale)
        return m_image;
    m_text = text;
    m_style = style;
    m_key = key;
    m_scale = scale;
    m_image = QImage(size, QImage::Format_RGB32);
    if (m_image.isNull())
        return m_image;
    m_image.fill(key);
    QPainter painter(&m_image);
    painter.setPen(QColor(ToQRgb(style.colour)));
    m_textLine.Set(QString::fromUtf8(text), PictureTextFont(style.font, scale));
    m_textLine.Draw(painter, m_image.rect().adjusted(0, PictureTextDrop(style.font, scale), 0, 0));
    return m_image;
}
