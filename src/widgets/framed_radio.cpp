#include "widgets/framed_radio.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <qdrawutil.h>

#include "widgets/style_lines.h"

namespace {

constexpr int kFrameWidth = 2;

}  // namespace

CFramedRadio::CFramedRadio(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

void CFramedRadio::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect.adjust(kFrameWidth, 0, -kFrameWidth, 0);
    painter.drawControl(QStyle::CE_RadioButton, option);
    DrawStyleLines(painter, rect(), [this](QPainter& plain) { qDrawWinPanel(&plain, rect(), palette(), false); });
}
