#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <optional>

// What a message box showed.
struct ShownBox {
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = nullptr;
    int buttons = 0;
};

// Watches for message boxes while it lives, from inside whatever event loop runs: reads the
// first one that shows and presses the OK button of every one.
class CBoxWatch {
public:
    CBoxWatch();
    const std::optional<ShownBox>& Seen() const { return m_seen; }

private:
    void Look();

    QTimer m_timer;
    std::optional<ShownBox> m_seen;
};
