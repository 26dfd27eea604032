// The help window's pages: which one scrolls, tab changes, Pause and its lasting toggles.
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include "help_dlg_helper.h"

namespace {

class HelpPagesTest : public testing::Test {
protected:
    void SetUp() override { g_bPauseToggle.fill(false); }

    static void ClickTab(CHelpDlg& dialog, int index)
    {
        QTest::mouseClick(&dialog.Tabs(), Qt::LeftButton, {}, dialog.Tabs().tabRect(index).center());
    }
    static void PressPause(CHelpDlg& dialog) { HelpButton(dialog, control_name::kPause)->click(); }

    // Only page shown is visible and scrolling; every other page is hidden, stopped and empty.
    static void ExpectOnlyScrolling(int shown)
    {
        for (int i = 0; i < kHelpPageCount; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(g_pHelpPage[static_cast<std::size_t>(i)]->isVisible(), i == shown);
            EXPECT_EQ(PageTextControl(i).IsRunning(), i == shown);
            if (i != shown) {
                EXPECT_TRUE(ShowsNoText(PageTextControl(i)));
            }
        }
    }
};

TEST_F(HelpPagesTest, OpensOnTheFirstTabWithOnlyItsPageScrollingFromTheFirstLine)
{
    CHelpDlg dialog(nullptr);
    dialog.show();
    EXPECT_EQ(dialog.Tabs().currentIndex(), 0);
    ExpectOnlyScrolling(0);
    auto reference = ReferencePage(0, PageTextControl(0).size());
    Ticks(PageTextControl(0), 400);
    Ticks(*reference, 400);
    EXPECT_FALSE(ShowsNoText(PageTextControl(0)));
    EXPECT_EQ(Frame(PageTextControl(0)), Frame(*reference));
}

TEST_F(HelpPagesTest, EachTabChangeStopsEveryPageAndStartsTheNewOneAtItsFirstLine)
{
    for (int tab = 1; tab < kHelpPageCount; ++tab) {
        SCOPED_TRACE(tab);
        CHelpDlg dialog(nullptr);
        dialog.show();
        Ticks(PageTextControl(0), 120);
        ClickTab(dialog, tab);
        EXPECT_EQ(dialog.Tabs().currentIndex(), tab);
        ExpectOnlyScrolling(tab);
        auto reference = ReferencePage(tab, PageTextControl(tab).size());
        Ticks(PageTextControl(tab), 300);
        Ticks(*reference, 300);
        EXPECT_EQ(Frame(PageTextControl(tab)), Frame(*reference));
    }
}

TEST_F(HelpPagesTest, ComingBackRestartsThePageAndTheLineThatWasEmergingEmergesAgainFirst)
{
    CHelpDlg dialog(nullptr);
    dialog.show();
    // Left while a text line of the first page is emerging.
    Ticks(PageTextControl(0), 700);
    ClickTab(dialog, 3);
    ClickTab(dialog, 0);
    ExpectOnlyScrolling(0);

    auto fresh = ReferencePage(0, PageTextControl(0).size());
    auto revisited = ReferencePage(0, PageTextControl(0).size());
    Ticks(*revisited, 700);
    revisited->Stop();
    revisited->ClearText();
    StartAsHelpPage(*revisited, 0);
    for (auto* control : {&PageTextControl(0), fresh.get(), revisited.get()})
        Ticks(*control, 10);
    EXPECT_EQ(Frame(PageTextControl(0)), Frame(*revisited));
    EXPECT_NE(Frame(PageTextControl(0)), Frame(*fresh)) << "the line left emerging does not come back";
    for (auto* control : {&PageTextControl(0), revisited.get()})
        Ticks(*control, 300);
    EXPECT_EQ(Frame(PageTextControl(0)), Frame(*revisited));
}

TEST_F(HelpPagesTest, TwoPausePressesFreezeAndResumeAtTheSameLine)
{
    CHelpDlg dialog(nullptr);
    dialog.show();
    auto twin = ReferencePage(0, PageTextControl(0).size());
    Ticks(PageTextControl(0), 250);
    Ticks(*twin, 250);
    const QImage before = Frame(PageTextControl(0));

    PressPause(dialog);
    EXPECT_FALSE(PageTextControl(0).IsRunning());
    EXPECT_EQ(Frame(PageTextControl(0)), before);
    PressPause(dialog);
    EXPECT_TRUE(PageTextControl(0).IsRunning());
    Ticks(PageTextControl(0), 60);
    Ticks(*twin, 60);
    EXPECT_EQ(Frame(PageTextControl(0)), Frame(*twin));
}

// Every page ticks every 10 ms: dark blue large text, red medium and small text, blue plain
// text (dark blue on the About page), over the pale tile through magenta.
TEST_F(HelpPagesTest, EveryPageRunsAtTheHelpPaceInTheHelpColours)
{
    CHelpDlg dialog(nullptr);
    dialog.show();
    const COLORREF darkBlue = Rgb(0, 0, 100);
    for (int i = 0; i < kHelpPageCount; ++i) {
        ClickTab(dialog, i);
        const CPictureTextEngine& engine = PageTextControl(i).Engine();
        EXPECT_EQ(engine.TickInterval(), 10u) << "page " << i;
        const COLORREF colours[] = {Rgb(255, 0, 255), darkBlue, Rgb(255, 0, 0), Rgb(255, 0, 0),
                                    i == 7 ? darkBlue : Rgb(0, 0, 255)};
        for (int slot = kKeyColour; slot <= kPlainColour; ++slot)
            EXPECT_EQ(engine.Color(slot), colours[slot]) << "page " << i << ", slot " << slot;
    }
}

TEST_F(HelpPagesTest, APausedPageRestartedByATabChangeNeedsTwoPressesToPauseAgain)
{
    CHelpDlg dialog(nullptr);
    dialog.show();
    PressPause(dialog);
    EXPECT_FALSE(PageTextControl(0).IsRunning());
    ClickTab(dialog, 1);
    // The other page's toggle is its own.
    PressPause(dialog);
    EXPECT_FALSE(PageTextControl(1).IsRunning());
    ClickTab(dialog, 0);
    EXPECT_TRUE(PageTextControl(0).IsRunning());
    PressPause(dialog);
    EXPECT_TRUE(PageTextControl(0).IsRunning());
    PressPause(dialog);
    EXPECT_FALSE(PageTextControl(0).IsRunning());
}

TEST_F(HelpPagesTest, APauseToggleOutlivesTheWindowItWasPressedIn)
{
    {
        CHelpDlg first(nullptr);
        first.show();
        PressPause(first);
        EXPECT_FALSE(PageTextControl(0).IsRunning());
        HelpButton(first, control_name::kOk)->click();
    }
    CHelpDlg second(nullptr);
    second.show();
    EXPECT_TRUE(PageTextControl(0).IsRunning());
    PressPause(second);
    EXPECT_TRUE(PageTextControl(0).IsRunning());
    PressPause(second);
    EXPECT_FALSE(PageTextControl(0).IsRunning());
}

}  // namespace
