#pragma once

#include <QDialog>

class CPictureText;
class QPushButton;

// Set by the About box's mail button: the main window then asks the desktop for a mail to the
// author and closes. False at start; nothing resets it, since the program ends after it.
extern bool g_bMailTo;

// The small credits box: the scrolling credits over a white tile and one button that asks
// for a mail to the author. Enter closes it like OK; Esc and the close box cancel. Only
// g_bMailTo tells what the box was closed with.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent);

    CPictureText& Credits() { return *m_text; }
    QPushButton& MailButton() { return *m_mailTo; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnMailTo();

    CPictureText* m_text;
    QPushButton* m_mailTo;
};
