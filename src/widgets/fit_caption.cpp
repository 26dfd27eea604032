#include "widgets/fit_caption.h"

#include <QFontMetrics>
#include <QPushButton>

void FitCaption(QPushButton* button)
{
    constexpr int kMargin = 8;
    constexpr int kSmallestPixels = 9;
    const QString caption = button->text();
    const int room = button->width() - kMargin;
    QFont font = button->font();
    while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pixelSize() > kSmallestPixels)
        font.setPixelSize(font.pixelSize() - 1);
    if (font == button->font())
        return;
    button->setFont(font);
    button->setText(QFontMetrics(font).elidedText(caption, Qt::ElideMiddle, room));
    button->setToolTip(caption);
    button->setAccessibleName(caption);
}
