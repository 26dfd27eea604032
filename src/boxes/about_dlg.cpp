#include "boxes/about_dlg.h"

#include <QPushButton>

#include "base/product.h"
#include "boxes/catalogue_line.h"
#include "picture_text/colorref.h"
#include "help/help_texts.h"
#include "widgets/control_names.h"
#include "widgets/dialog_units.h"
#include "widgets/dialog_keys.h"
#include "widgets/fit_caption.h"
#include "picture_control/picture_text.h"
#include "picture_control/text_frame.h"

bool g_bMailTo = false;

namespace {

constexpr int kWidth = 139;
constexpr int kHeight = 164;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    // A small tool-window caption where the window system draws one.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString(20, QLatin1Char(' ')) + QStringLiteral("G  l  i  m  m  e  r  j  i  g"));
    // The caption's spaced letters would be spelled out one by one.
    setAccessibleName(tr("About %1").arg(QString::fromLatin1(kProductName)));
    setFixedSize(dlu::X(kWidth), dlu::Y(kHeight));

    m_mailTo = new QPushButton(tr("mail to: %1").arg(QString::fromLatin1(kContactEmail)), this);
    m_mailTo->setObjectName(QString::fromLatin1(control_name::kMailTo));
    m_mailTo->setGeometry(dlu::Rect(7, 143, 124, 14));
    m_mailTo->setFocusPolicy(Qt::ClickFocus);
    m_mailTo->setAutoDefault(false);
    FitCaption(m_mailTo);
    connect(m_mailTo, &QPushButton::clicked, this, &CAboutDlg::OnMailTo);

    m_text = FramedPictureText(this, dlu::Rect(7, 7, 124, 133), control_name::kTextFrame);
    m_text->setAccessibleName(tr("credits"));

    m_text->SetText(CreditsText(CatalogueLine), kTextSeparator);
    m_text->SetSpeed(kMediumSpeed, 0);
    m_text->SetColor(kKeyColour, Rgb(255, 0, 255));
    m_text->SetColor(kPlainColour, Rgb(0, 0, 255));
    m_text->SetColor(kLargeColour, Rgb(0, 0, 255));
    m_text->SetColor(kMediumColour, Rgb(255, 0, 0));
    m_text->SetColor(kSmallColour, Rgb(255, 0, 0));
    m_text->SetBackground("Backi2");
    m_text->Start();
}

void CAboutDlg::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CAboutDlg::OnMailTo()
{
    g_bMailTo = true;
    accept();
}
