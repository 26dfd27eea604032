#pragma once

#include <QRadioButton>

// A radio button inside a raised three-dimensional frame, as the board-size buttons are.
class CFramedRadio : public QRadioButton {
    Q_OBJECT

public:
    CFramedRadio(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
