// The help window's layout, how it closes and what it leaves behind.
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "active_window.h"
#include <vector>

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
        {"OK", [](CHelpDlg& d) { HelpButton(d, 1)->click(); }, false, false},
        {"GoTo", [](CHelpDlg& d) { HelpButton(d, 2)->click(); }, true, false},
        {"Mail To", [](CHelpDlg& d) { HelpButton(d, 6)->click(); }, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        CHelpDlg help(nullptr);
        ASSERT_TRUE(ShowActive(help));
        ASSERT_EQ(help.focusWidget(), HelpButton(help, 1));
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
                    anyRunning = anyRunning || PageText(j).IsRunning();
            order.push_back(i);
        });
    ASSERT_TRUE(PageText(0).IsRunning());
    HelpButton(dialog, 1)->click();
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
        int id;
        QRect pixels;
        QString caption;
    } controls[] = {
        {1, {374, 263, 30, 23}, QStringLiteral("OK")},
        {2, {158, 263, 159, 23}, QStringLiteral("GoTo: ") + QString::fromLatin1(kWebHost)},
        {6, {3, 263, 152, 23}, QStringLiteral("Mail To: ") + QString::fromLatin1(kContactEmail)},
        {1136, {321, 263, 48, 23}, QStringLiteral("Pause")},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.id);
        QPushButton* button = HelpButton(dialog, c.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), c.pixels);
        EXPECT_EQ(button->accessibleName().isEmpty() ? button->text() : button->accessibleName(), c.caption);
        EXPECT_EQ(button->isDefault(), c.id == 1);
    }
    // Tab order: OK, GoTo, Mail To, Pause and round again; the tabs are no stop.
    const int order[] = {2, 6, 1136, 1};
    QWidget* at = HelpButton(dialog, 1);
    for (int id : order) {
        at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible())
            at = at->nextInFocusChain();
        EXPECT_EQ(at, HelpButton(dialog, id));
    }

    QWidget* tabArea = dialog.findChild<QWidget*>(QStringLiteral("ctl1135"));
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
        const QWidget* frame = page->findChild<QWidget*>(QStringLiteral("ctl1121"));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->geometry(), QRect(0, 0, 398, 221));
        EXPECT_EQ(PageText(i).geometry().size(), QSize(388, 211));
    }
}

}  // namespace
