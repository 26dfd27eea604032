// The About box, and the About command that opens it from the window menu.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "base/product.h"
#include "active_window.h"
#include "fake_sound.h"
#include "picture_text_helper.h"
#include "qt_print.h"
#include "ui/about_dlg.h"
#include "ui/game_dlg.h"
#include "ui/picture_text.h"

namespace {

QRect PxRect(int x, int y, int w, int h)
{
    // Base units 6 x 13, half rounded up, worked out here rather than with the product's code.
    auto px = [](int units, double base) { return static_cast<int>(units * base + 0.5); };
    return QRect(px(x, 1.5), px(y, 1.625), px(w, 1.5), px(h, 1.625));
}

TEST(AboutDlg, StandsAtItsConvertedSizeWithItsCaptionAndControls)
{
    CAboutDlg about(nullptr);
    EXPECT_EQ(about.size(), QSize(209, 267));
    EXPECT_EQ(about.windowTitle(), QString(20, ' ') + "G  l  i  m  m  e  r  j  i  g");
    EXPECT_EQ(about.MailButton().geometry(), PxRect(7, 143, 124, 14));
    EXPECT_EQ(about.MailButton().text(), QStringLiteral("mail to: ") + kContactEmail);
    EXPECT_EQ(about.findChild<QWidget*>("ctl1121")->geometry(), PxRect(7, 7, 124, 133));
    // Inside the raised and the sunken frame.
    EXPECT_EQ(about.Credits().size(), PxRect(7, 7, 124, 133).size() - QSize(10, 10));
}

TEST(AboutDlg, OnlyTheMailButtonAsksForMail)
{
    const struct {
        const char* how;
        std::function<void(CAboutDlg&)> close;
        bool mail;
    } cases[] = {
        {"Esc", [](CAboutDlg& box) { QTest::keyClick(&box, Qt::Key_Escape); }, false},
        {"Enter", [](CAboutDlg& box) { QTest::keyClick(&box, Qt::Key_Return); }, false},
        {"close box", [](CAboutDlg& box) { box.close(); }, false},
        {"mail button", [](CAboutDlg& box) { QTest::mouseClick(&box.MailButton(), Qt::LeftButton); }, true},
    };
    for (const auto& c : cases) {
        g_bMailTo = false;
        CAboutDlg about(nullptr);
        QTimer::singleShot(0, [&] { c.close(about); });
        about.exec();
        EXPECT_FALSE(about.isVisible()) << c.how;
        EXPECT_EQ(g_bMailTo, c.mail) << c.how;
    }
    g_bMailTo = false;
}

// The credits tick every 40 ms in blue text, the contact line too, and red medium and small
// text, over the tile through magenta.
TEST(AboutDlg, CreditsRunAtTheirPaceInTheirColours)
{
    CAboutDlg about(nullptr);
    const CPictureTextEngine& engine = about.Credits().Engine();
    EXPECT_EQ(engine.TickInterval(), 40u);
    const COLORREF colours[] = {Rgb(255, 0, 255), Rgb(0, 0, 255), Rgb(255, 0, 0), Rgb(255, 0, 0), Rgb(0, 0, 255)};
    for (int slot = kKeyColour; slot <= kPlainColour; ++slot)
        EXPECT_EQ(engine.Color(slot), colours[slot]) << "slot " << slot;
}

TEST(AboutDlg, FirstCreditPictureEmergesOnTheFifteenthTick)
{
    CAboutDlg about(nullptr);
    CPictureText& credits = about.Credits();
    const QImage tile = TileOnly(credits.size(), "BACKI2");
    Ticks(credits, 14);
    EXPECT_EQ(Painted(&credits), tile);
    // From the fifteenth tick on, the smileys' picture rises from the bottom edge, centred,
    // a row a tick, over the white tile.
    const int left = (credits.width() - ProgramPicture("BITMAP1").width()) / 2;
    for (int rows = 1; rows <= 20; ++rows) {
        credits.RunTicks(1);
        ASSERT_EQ(Painted(&credits), WithPicture(tile, "BITMAP1", QPoint(left, credits.height() - rows), rows))
            << rows;
    }
}

// The launches the window asked for, instead of handing them to the desktop.
std::vector<std::string> g_launches;
void RecordLaunch(QWidget*, std::string_view target)
{
    g_launches.emplace_back(target);
}

class AboutCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_launches.clear();
        g_bMailTo = false;
        ASSERT_TRUE(ShowActive(dialog));
        fake_sound::Log().clear();
    }
    void TearDown() override
    {
        g_bMailTo = false;
        fake_sound::Reset();
    }

    // Chooses the About item of the window menu; closeBox acts on the box once it is up.
    void RunAbout(std::function<void(CAboutDlg&)> closeBox)
    {
        QTimer::singleShot(0, [closeBox] {
            auto* box = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            closeBox(*box);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(200, 200), dialog.mapToGlobal(QPoint(200, 200)));
        QApplication::sendEvent(&dialog, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        QAction* about = menu->actions().last();
        ASSERT_EQ(about->text(), QStringLiteral("&About Game   G l i m m e r j i g..."));
        menu->close();
        about->trigger();
    }

    CGameDlg dialog{(fake_sound::Reset(), fake_sound::Output()), RecordLaunch};
};

TEST_F(AboutCommandTest, ClosingTheBoxClicksAndTheGameGoesOn)
{
    RunAbout([](CAboutDlg& box) {
        EXPECT_TRUE(fake_sound::Log().empty()) << "a cue before the box closed";
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(fake_sound::Log(), std::vector<std::string>{"cue 244"});
    EXPECT_TRUE(g_launches.empty());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(AboutCommandTest, TheMailButtonLaunchesTheMailTargetAndEndsTheGame)
{
    RunAbout([](CAboutDlg& box) { box.MailButton().click(); });
    EXPECT_EQ(fake_sound::Log(), std::vector<std::string>{"cue 244"});
    EXPECT_EQ(g_launches, std::vector<std::string>{std::string("mailTo: ") + kContactEmail +
                                                   "?subject=About Game Glimmerjig"});
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
