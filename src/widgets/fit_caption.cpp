#include "widgets/fit_caption.h"

#include <QFontMetrics>
#include <QPushButton>
#include <algorithm>

namespace {

// Room left and right of a caption inside its button, and the smallest type a caption is
// set in before it is cut short.
constexpr int kMargin = 8;
constexpr int kSmallestPixels = 9;

// How much wider the button is than its caption needs; negative when it is too narrow.
int Spare(const QPushButton* button)
{
    return button->width() - kMargin - QFontMetrics(button->font()).horizontalAdvance(button->text());
}

bool WouldBeCutShort(const QPushButton* button)
{
    QFont smallest = button->font();
    smallest.setPixelSize(std::min(smallest.pixelSize(), kSmallestPixels));
    return QFontMetrics(smallest).horizontalAdvance(button->text()) > button->width() - kMargin;
}

}  // namespace

void FitCaption(QPushButton* button)
{
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

void FitRow(const std::vector<QPushButton*>& row)
{
    if (std::none_of(row.begin(), row.end(), WouldBeCutShort))
        return;
    const auto count = static_cast<int>(row.size());
    std::vector<int> spare, width;
    for (const QPushButton* button : row) {
        spare.push_back(Spare(button));
        width.push_back(button->width());
    }
    for (int i = 0; i < count; ++i) {
        for (int distance = 1; distance < count && spare[i] < 0; ++distance) {
            for (int giver : {i - distance, i + distance}) {
                if (giver < 0 || giver >= count || spare[giver] <= 0 || spare[i] >= 0)
                    continue;
                const int moved = std::min(spare[giver], -spare[i]);
                spare[giver] -= moved;
                width[giver] -= moved;
                spare[i] += moved;
                width[i] += moved;
            }
        }
    }
    int x = count > 0 ? row.front()->x() : 0;
    for (int i = 0; i < count; ++i) {
        const int gap = i + 1 < count ? row[i + 1]->x() - row[i]->geometry().right() - 1 : 0;
        row[i]->setGeometry(x, row[i]->y(), width[i], row[i]->height());
        x += width[i] + gap;
    }
}
