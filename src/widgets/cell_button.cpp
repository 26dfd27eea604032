#include "widgets/cell_button.h"

#include <QEvent>
#include <QPainter>

#include "assets/device_art.h"
#include "widgets/focus_mark.h"

CCellButton::CCellButton(const QString& caption, QWidget* parent)
    : CCellButton(LoadCellPictures(caption), parent)
{
    setText(caption);
}

CCellButton::CCellButton(CellPictures pictures, QWidget* parent)
    : QAbstractButton(parent), m_pictures(std::move(pictures))
{
    if (!m_pictures.up.isNull())
        setFixedSize(m_pictures.up.size());
}

void CCellButton::SetSpokenNames(const QString& enabled, const QString& disabled)
{
    m_strEnabledName = enabled;
    m_strDisabledName = disabled;
    Speak();
}

void CCellButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        Speak();
    QAbstractButton::changeEvent(event);
}

void CCellButton::Speak()
{
    setAccessibleName(isEnabled() ? m_strEnabledName : m_strDisabledName);
}

QSize CCellButton::sizeHint() const
{
    return m_pictures.up.isNull() ? QAbstractButton::sizeHint()
                                  : m_pictures.up.size();
}

const QImage& CCellButton::CurrentPicture() const
{
    if (isDown() && !m_pictures.down.isNull())
        return m_pictures.down;
    if (hasFocus() && !m_pictures.focused.isNull())
        return m_pictures.focused;
    if (!isEnabled() && !m_pictures.disabled.isNull())
        return m_pictures.disabled;
    return m_pictures.up;
}

void CCellButton::paintEvent(QPaintEvent*)
{
    const QImage& picture = CurrentPicture();
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    DrawArt(painter, QPoint(0, 0), picture);
    if (ShowsFocusMark(*this))
        DrawFocusMark(painter, *this, rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset));
}
