#pragma once

#include <QDialog>
#include <array>

#include "help/help_texts.h"

class CHelpPage;
class CNarrowTabs;
class QPushButton;
class QTabBar;

// The pages of the open help window by tab index; null while no help window is open.
extern std::array<CHelpPage*, kHelpPageCount> g_pHelpPage;

// The tabbed help window: eight tabs, each with a page whose text scrolls while its tab is
// selected, and under them Mail To, GoTo, Pause and OK. Every tab change stops all pages and
// starts the new one from its first line. The window launches nothing: Mail To and GoTo
// only set their flag and close it, and the owner reads the flags afterwards.
class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent);
    ~CHelpDlg() override;

    bool m_bGoTo = false;    // GoTo closed the window
    bool m_bMailTo = false;  // Mail To closed the window

    QTabBar& Tabs() { return *m_tab; }

    // Closing, by any button or key, also stops every page and deletes them, last tab first.
    void done(int result) override;
    // Esc and the close box close the window as OK does: no flag, nothing launched.
    void reject() override;

private:
    void CreateButtons();
    void CreateTabs();
    void OnInitDialog();
    // The tab bar says only that the selection has changed; the page of the tab left is
    // hidden and all are stopped before the new one is shown and started.
    void OnSelchangingTab();
    void OnSelchangeTab();
    void OnPause();
    void OnGoTo();
    void OnMailTo();
    void DestroyPages();

    QWidget* m_tabArea = nullptr;  // the tab control: the tab row over the pages' pane
    QTabBar* m_tab = nullptr;
    CNarrowTabs* m_narrowTabs = nullptr;  // the tabs' style, owned by the tab bar
    int m_nShownTab = 0;  // the tab whose page is shown
};
