// The About box: its size, its controls, and the credits it runs.
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "base/product.h"
#include "caption_room.h"
#include "dialog_pixels.h"
#include "picture_text_helper.h"
#include "qt_print.h"
#include "boxes/about_dlg.h"
#include "widgets/control_names.h"
#include "picture_control/picture_text.h"

namespace {

TEST(AboutDlg, StandsAtItsConvertedSizeWithItsCaptionAndControls)
{
    CAboutDlg about(nullptr);
    EXPECT_EQ(about.size(), QSize(209, 267));
    EXPECT_EQ(about.windowTitle(), QString(20, ' ') + "G  l  i  m  m  e  r  j  i  g");
    EXPECT_EQ(about.MailButton().geometry(), PxRect(7, 143, 124, 14));
    // The whole caption, shown whole, and it fits the button.
    const QPushButton& mail = about.MailButton();
    EXPECT_EQ(mail.text(), QStringLiteral("mail to: ") + kContactEmail);
    EXPECT_LE(QFontMetrics(mail.font()).horizontalAdvance(mail.text()), CaptionRoom(mail));
    EXPECT_EQ(about.findChild<QWidget*>(control_name::kTextFrame)->geometry(), PxRect(7, 7, 124, 133));
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

}  // namespace
