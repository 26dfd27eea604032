#include "boxes/help_page.h"

#include <QCoreApplication>

#include "boxes/catalogue_line.h"
#include "picture_text/colorref.h"
#include "widgets/control_names.h"
#include "widgets/dialog_units.h"
#include "picture_control/picture_text.h"
#include "picture_control/text_frame.h"

std::array<bool, kHelpPageCount> g_bPauseToggle{};

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kDarkBlue = 0x640000;
constexpr COLORREF kRed = 0x0000FF;
constexpr std::size_t kAboutPage = 7;

}  // namespace

QString PageTitle(const HelpPageText& page)
{
    return QCoreApplication::translate("HelpPages", std::string(page.title).c_str());
}

CHelpPage::CHelpPage(int index, QWidget* parent)
    : QWidget(parent), m_nIndex(static_cast<std::size_t>(index))
{
    setObjectName(QStringLiteral("page%1").arg(index));
    resize(dlu::X(267), dlu::Y(138));
    hide();
    m_text = FramedPictureText(this, dlu::Rect(0, 0, 265, 136), control_name::kTextFrame);
    m_text->setAccessibleName(PageTitle(HelpPageTexts()[m_nIndex]));
}

void CHelpPage::StartText()
{
    m_text->SetText(PageText(static_cast<int>(m_nIndex), CatalogueLine), kTextSeparator);
    m_text->SetSpeed(kFastSpeed, 0);
    m_text->SetColor(kKeyColour, kMagenta);
    // Only the about page has plain lines; the others never show this colour.
    m_text->SetColor(kPlainColour, m_nIndex == kAboutPage ? kDarkBlue : kBlue);
    m_text->SetColor(kLargeColour, kDarkBlue);
    m_text->SetColor(kMediumColour, kRed);
    m_text->SetColor(kSmallColour, kRed);
    m_text->SetBackground("Backi1");
    m_text->Start();
}

void CHelpPage::TogglePause()
{
    m_text->SetRunning(g_bPauseToggle[m_nIndex]);
    g_bPauseToggle[m_nIndex] = !g_bPauseToggle[m_nIndex];
}

void CHelpPage::StopText()
{
    m_text->Stop();
    m_text->ClearText();
}
