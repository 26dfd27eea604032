#pragma once

#include <QAbstractButton>
#include <QString>

#include "widgets/cell_pictures.h"

// A push button that is nothing but one of its four pictures: "D" while pressed, else "F"
// with the keyboard focus, else "X" when disabled, else "U"; a missing picture falls through
// to the next. Once the keyboard has moved the focus, the focused button also shows the
// dotted focus mark (widgets/focus_mark.h). The button takes the size of its "U" picture.
// Pictures are never smoothed: at a whole-number scale factor every picture pixel becomes a
// block of screen pixels.
class CCellButton : public QAbstractButton {
    Q_OBJECT

public:
    // Pictures named caption + "U", "D", "F", "X".
    CCellButton(const QString& caption, QWidget* parent);
    CCellButton(CellPictures pictures, QWidget* parent);

    // What a screen reader says of the button while it is enabled and while it is not.
    void SetSpokenNames(const QString& enabled, const QString& disabled);

    QSize sizeHint() const override;
    // The picture that paintEvent draws in the button's present state; null when none.
    const QImage& CurrentPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The focus mark stands this far inside the button's edge.
    static constexpr int kFocusInset = 2;

    void Speak();

    CellPictures m_pictures;
    QString m_strEnabledName;
    QString m_strDisabledName;
};
