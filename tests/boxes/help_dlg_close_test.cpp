// The help window's layout, how it closes and what it leaves behind.
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include <vector>

#include "active_window.h"
#include "base/product.h"
#include "help_dlg_helper.h"
#include "qt_print.h"

namespace {

class HelpCloseTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowActive(dialog));
    }

    CHelpDlg dialog{nullptr};
};

TEST(HelpClose, EveryWayOfClosingSetsOnlyItsOwnFlag)
{
    const struct {
        const char* how;
        std::function<void(CHelpDlg&)> close;
        bool goTo, mailTo;
    } cases[] = {
        {"Enter", [](CHelpDlg& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }, false, false},
        {"keypad Enter", [](CHelpDlg& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier); }, false, false},
        {"Esc", [](CHelpDlg& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Escape); }, false, false},
        {"close box", [](CHelpDlg& d) { d.close(); }, false, false},
        {"OK", [](CHelpDlg& d) { HelpButton(d, control_name::kOk)->click(); }, false, false},
        {"GoTo", [](CHelpDlg& d) { HelpButton(d, control_name::kGoTo)->click(); }, true, false},
        {"Mail To", [](CHelpDlg& d) { HelpButton(d, control_name::kMailTo)->click(); }, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        CHelpDlg help(nullptr);
        ASSERT_TRUE(ShowActive(help));
        ASSERT_EQ(help.focusWidget(), HelpButton(help, control_name::kOk));
        c.close(help);
        EXPECT_FALSE(help.isVisible());
        EXPECT_EQ(help.result(), QDialog::Accepted);
        EXPECT_EQ(help.m_bGoTo, c.goTo);
        EXPECT_EQ(help.m_bMailTo, c.mailTo);
    }
}

TEST_F(HelpCloseTest, ClosingStopsAllPagesThenDeletesThemFromTheLastTabToTheFirst)
{
    std::vector<int> order;
    bool anyRunning = false;
    for (int i = 0; i < kHelpPageCount; ++i)
        QObject::connect(g_pHelpPage[static_cast<std::size_t>(i)], &QObject::destroyed, [&, i] {
            if (order.empty())
                for (int j = 0; j < kHelpPageCount - 1; ++j)
                    anyRunning = anyRunning || PageTextControl(j).IsRunning();
            order.push_back(i);
        });
    ASSERT_TRUE(PageTextControl(0).IsRunning());
    HelpButton(dialog, control_name::kOk)->click();
    EXPECT_EQ(order, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_FALSE(anyRunning);
    for (const CHelpPage* page : g_pHelpPage)
        EXPECT_EQ(page, nullptr);
}

TEST_F(HelpCloseTest, ControlsStandWhereTheLayoutPutsThemInTabOrder)
{
    EXPECT_EQ(dialog.size(), QSize(405, 293));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Glimmerjig"));
    EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const struct {
        const char* name;
        QRect pixels;
        QString caption;
    } controls[] = {
        {control_name::kOk, {374, 263, 30, 23}, QStringLiteral("OK")},
        {control_name::kGoTo, {158, 263, 159, 23}, QStringLiteral("GoTo: ") + QString::fromLatin1(kWebHost)},
        {control_name::kMailTo, {3, 263, 152, 23}, QStringLiteral("Mail To: ") + QString::fromLatin1(kContactEmail)},
        {control_name::kPause, {321, 263, 48, 23}, QStringLiteral("Pause")},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        QPushButton* button = HelpButton(dialog, c.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), c.pixels);
        EXPECT_EQ(button->text(), c.caption) << "not shown whole";
        EXPECT_EQ(button->isDefault(), c.name == control_name::kOk);
    }
    // Tab order: OK, GoTo, Mail To, Pause and round again; the tabs are no stop.
    const char* const order[] = {control_name::kGoTo, control_name::kMailTo, control_name::kPause, control_name::kOk};
    QWidget* at = HelpButton(dialog, control_name::kOk);
    for (const char* name : order) {
        at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible())
            at = at->nextInFocusChain();
        EXPECT_EQ(at, HelpButton(dialog, name));
    }

    QWidget* tabArea = dialog.findChild<QWidget*>(control_name::kTabs);
    ASSERT_NE(tabArea, nullptr);
    EXPECT_EQ(tabArea->geometry(), QRect(0, 3, 404, 249));
    const char* titles[] = {"Glimmerjig", "Level", "Score", "Back", "Hint", "Sound", "Demo", "About"};
    ASSERT_EQ(dialog.Tabs().count(), kHelpPageCount);
    for (int i = 0; i < kHelpPageCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dialog.Tabs().tabText(i), QString::fromLatin1(titles[i]));
        // One row, every tab whole within the tab control.
        EXPECT_TRUE(tabArea->rect().contains(dialog.Tabs().tabRect(i)));
        const CHelpPage* page = g_pHelpPage[static_cast<std::size_t>(i)];
        EXPECT_EQ(page->parentWidget(), tabArea);
        EXPECT_EQ(page->geometry(), QRect(2, 22, 401, 224));
        const QWidget* frame = page->findChild<QWidget*>(control_name::kTextFrame);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->geometry(), QRect(0, 0, 398, 221));
        EXPECT_EQ(PageTextControl(i).geometry().size(), QSize(388, 211));
    }
}

}  // namespace
