#include "widgets/fit_caption.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <numeric>

namespace {

// Clear pixels between a caption and the focus frame on either side, and the smallest type a
// caption is set in before it is cut short.
constexpr int kClear = 2;
constexpr int kSmallestPixels = 9;

// How much of the button's width its caption may not take: the edges and the focus frame as
// the button's style draws them, and the clear pixels inside the frame.
int Margin(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    if (button->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    const QRect focus = button->style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, button);
    constexpr int kFrameLine = 1;
    return button->width() - focus.width() + 2 * (kFrameLine + kClear);
}

int Advance(const QPushButton* button)
{
    return QFontMetrics(button->font()).horizontalAdvance(button->text());
}

// How much wider the button is than its caption needs; negative when it is too narrow.
int Spare(const QPushButton* button)
{
    return button->width() - Margin(button) - Advance(button);
}

bool WouldBeCutShort(const QPushButton* button)
{
    QFont smallest = button->font();
    smallest.setPixelSize(std::min(smallest.pixelSize(), kSmallestPixels));
    return QFontMetrics(smallest).horizontalAdvance(button->text()) > button->width() - Margin(button);
}

// While the row is narrower than all its captions need, the widest caption takes a smaller
// type, down to the floor: a long caption loses least by it, and a short word keeps its type.
void ShrinkWidestWhileShort(const std::vector<QPushButton*>& row)
{
    const auto spare = [&row] {
        return std::accumulate(row.begin(), row.end(), 0,
                               [](int sum, const QPushButton* button) { return sum + Spare(button); });
    };
    while (spare() < 0) {
        QPushButton* widest = nullptr;
        for (QPushButton* button : row) {
            if (button->font().pixelSize() > kSmallestPixels && (!widest || Advance(button) > Advance(widest)))
                widest = button;
        }
        if (!widest)
            return;
        QFont font = widest->font();
        font.setPixelSize(font.pixelSize() - 1);
        widest->setFont(font);
    }
}

}  // namespace

void FitCaption(QPushButton* button)
{
    const QString caption = button->text();
    const int room = button->width() - Margin(button);
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
    ShrinkWidestWhileShort(row);
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
