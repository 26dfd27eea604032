#include "boxes/help_dlg.h"

#include <QCoreApplication>
#include <QFrame>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>

#include "base/fatal_error.h"
#include "base/product.h"
#include "boxes/help_page.h"
#include "widgets/classic_look.h"
#include "widgets/control_names.h"
#include "widgets/dialog_units.h"
#include "widgets/fit_caption.h"

std::array<CHelpPage*, kHelpPageCount> g_pHelpPage{};

// Tabs with a little less room round their titles than the style gives, so that all eight
// fit in one row without scrolling.
class CNarrowTabs : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        return metric == PM_TabBarTabHSpace ? m_nPadding : QProxyStyle::pixelMetric(metric, option, widget);
    }

    // Titles too wide for the row at the usual padding (a language of long words) get less,
    // a pixel at a time, down to a floor.
    void FitTitles(QTabBar& tabs)
    {
        constexpr int kTightest = 8;
        while (tabs.tabRect(tabs.count() - 1).right() >= tabs.width() && m_nPadding > kTightest) {
            --m_nPadding;
            tabs.setStyle(this);  // lays the tabs out again
        }
    }

private:
    int m_nPadding = 16;
};

namespace {

// The OK button's caption, as Qt's own catalogue has it for its standard buttons.
constexpr const char* kOkText = "OK";

// Where a page sits in the tab control, in pixels: inside the pane's edge, under the tabs.
constexpr QPoint kPageOffset(2, 22);
// The pane's raised edge starts under the row of tabs; the selected tab covers its top.
constexpr int kPaneTop = 20;
constexpr int kPaneEdge = 2;

// Fault codes: a tab change, or a Pause press, with no page behind the selected tab.
constexpr const char* kFaultTabWithoutPage = "013";
constexpr const char* kFaultPauseWithoutPage = "018";

QPushButton* Button(QWidget* parent, const char* role, const QString& caption, const QRect& rect)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(role));
    button->setGeometry(rect);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

bool IsPageIndex(int index)
{
    return index >= 0 && index < kHelpPageCount;
}

CHelpPage* PageOf(const QTabBar& tabs, int index)
{
    return qobject_cast<CHelpPage*>(tabs.tabData(index).value<QObject*>());
}

}  // namespace

CHelpDlg::CHelpDlg(QWidget* parent) : QDialog(parent)
{
    // A caption and a close box; no window menu, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Glimmerjig"));
    setFixedSize(dlu::X(270), dlu::Y(180));
    CreateButtons();
    OnInitDialog();
}

CHelpDlg::~CHelpDlg()
{
    DestroyPages();
}

void CHelpDlg::CreateButtons()
{
    // Created in tab order; the tab control between GoTo and Mail To takes no tab stop.
    QPushButton* ok = Button(this, control_name::kOk, QCoreApplication::translate("QPlatformTheme", kOkText),
                             dlu::Rect(249, 162, 20, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CHelpDlg::accept);
    QPushButton* goTo = Button(this, control_name::kGoTo, tr("GoTo: %1").arg(QString::fromLatin1(kWebHost)),
                               dlu::Rect(105, 162, 106, 14));
    connect(goTo, &QPushButton::clicked, this, &CHelpDlg::OnGoTo);
    CreateTabs();
    QPushButton* mailTo = Button(this, control_name::kMailTo, tr("Mail To: %1").arg(QString::fromLatin1(kContactEmail)),
                                 dlu::Rect(2, 162, 101, 14));
    connect(mailTo, &QPushButton::clicked, this, &CHelpDlg::OnMailTo);
    QPushButton* pause = Button(this, control_name::kPause, tr("Pause"), dlu::Rect(214, 162, 32, 14));
    connect(pause, &QPushButton::clicked, this, &CHelpDlg::OnPause);
    // A translated caption may need room that its neighbours spare.
    FitRow({mailTo, goTo, pause, ok});
    for (QPushButton* button : {mailTo, goTo, pause, ok})
        FitCaption(button);
    ok->setFocus();
}

void CHelpDlg::CreateTabs()
{
    m_tabArea = new QWidget(this);
    m_tabArea->setObjectName(QString::fromLatin1(control_name::kTabs));
    m_tabArea->setGeometry(dlu::Rect(0, 2, 269, 153));
    auto* pane = new QFrame(m_tabArea);
    pane->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pane->setLineWidth(kPaneEdge);
    pane->setGeometry(0, kPaneTop, m_tabArea->width(), m_tabArea->height() - kPaneTop);
    m_tab = new QTabBar(m_tabArea);
    m_narrowTabs = new CNarrowTabs;
    m_narrowTabs->setParent(m_tab);
    m_tab->setStyle(m_narrowTabs);
    m_tab->setFont(SelfSizedFont());
    m_tab->setDrawBase(false);
    m_tab->setExpanding(false);
    m_tab->setFocusPolicy(Qt::ClickFocus);
    m_tab->setGeometry(0, 0, m_tabArea->width(), kPaneTop + 1);
}

void CHelpDlg::OnInitDialog()
{
    for (const HelpPageText& page : HelpPageTexts())
        m_tab->addTab(PageTitle(page));
    m_narrowTabs->FitTitles(*m_tab);
    for (int i = 0; i < kHelpPageCount; ++i) {
        auto* page = new CHelpPage(i, m_tabArea);
        g_pHelpPage[static_cast<std::size_t>(i)] = page;
        m_tab->setTabData(i, QVariant::fromValue<QObject*>(page));
        page->move(kPageOffset);
        page->setVisible(i == 0);
    }
    g_pHelpPage[0]->StartText();
    m_nShownTab = m_tab->currentIndex();
    connect(m_tab, &QTabBar::currentChanged, this, [this] {
        OnSelchangingTab();
        OnSelchangeTab();
    });
}

void CHelpDlg::OnSelchangingTab()
{
    if (CHelpPage* left = PageOf(*m_tab, m_nShownTab))
        left->hide();
    for (CHelpPage* page : g_pHelpPage)
        page->StopText();
}

void CHelpDlg::OnSelchangeTab()
{
    const int index = m_tab->currentIndex();
    if (CHelpPage* page = PageOf(*m_tab, index))
        page->show();
    m_nShownTab = index;
    if (!IsPageIndex(index))
        FatalError(kFaultTabWithoutPage);
    g_pHelpPage[static_cast<std::size_t>(index)]->StartText();
}

void CHelpDlg::OnPause()
{
    const int index = m_tab->currentIndex();
    if (!IsPageIndex(index))
        FatalError(kFaultPauseWithoutPage);
    g_pHelpPage[static_cast<std::size_t>(index)]->TogglePause();
}

void CHelpDlg::OnGoTo()
{
    m_bGoTo = true;
    accept();
}

void CHelpDlg::OnMailTo()
{
    m_bMailTo = true;
    accept();
}

void CHelpDlg::reject()
{
    accept();
}

void CHelpDlg::done(int result)
{
    QDialog::done(result);
    DestroyPages();
}

void CHelpDlg::DestroyPages()
{
    if (!PageOf(*m_tab, 0))
        return;
    m_tab->disconnect(this);
    for (int i = 0; i < kHelpPageCount; ++i)
        PageOf(*m_tab, i)->StopText();
    for (int i = kHelpPageCount - 1; i >= 0; --i) {
        CHelpPage* page = PageOf(*m_tab, i);
        auto& entry = g_pHelpPage[static_cast<std::size_t>(i)];
        if (entry == page)
            entry = nullptr;
        m_tab->setTabData(i, QVariant());
        delete page;
    }
}
