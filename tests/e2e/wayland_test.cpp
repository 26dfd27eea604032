// The real game as a Wayland client: Weston's headless compositor, no X display, no chosen
// Qt platform. What it shows and what it tells the compositor about itself.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <gtest/gtest.h>

#include "board_view.h"
#include "settled.h"
#include "weston_session.h"

namespace {

using namespace board_view;

class WaylandTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(Picture("MYIMAGEU").isNull());
        ASSERT_TRUE(weston.Start()) << "weston did not start";
        ASSERT_TRUE(weston.StartGame());
    }

    // The game window once its start board stands still, or a null image.
    QImage SettledWindow()
    {
        return Settled([this] { return FindWindow(weston.Screenshot(QStringLiteral("wayland-start"))); });
    }

    WestonSession weston;
};

TEST_F(WaylandTest, StartBoardShowsYellowSmileysAndWhiteMirrors)
{
    const QImage window = SettledWindow();
    ASSERT_FALSE(window.isNull()) << "no board on the screen";
    EXPECT_TRUE(IsStartBoard(window));
}

// The compositor finds the desktop entry, and through it the icon, by the application id.
TEST_F(WaylandTest, ApplicationIdNamesTheInstalledDesktopEntryWithItsIcon)
{
    ASSERT_FALSE(SettledWindow().isNull());
    const QRegularExpressionMatch appId =
        QRegularExpression(QStringLiteral("set_app_id\\(\"([^\"]+)\"\\)")).match(weston.GameProtocolLog());
    ASSERT_TRUE(appId.hasMatch());

    const QString entry = QStringLiteral(PACKAGING_DIR "/%1.desktop").arg(appId.captured(1));
    ASSERT_TRUE(QFile::exists(entry)) << entry.toStdString();
    QSettings desktop(entry, QSettings::IniFormat);
    const QString icon = desktop.value(QStringLiteral("Desktop Entry/Icon")).toString();
    ASSERT_FALSE(icon.isEmpty());
    const QStringList sizes = QDir(QStringLiteral(PACKAGING_DIR "/icons/hicolor"))
                                  .entryList({QStringLiteral("*x*")}, QDir::Dirs);
    EXPECT_FALSE(sizes.isEmpty());
    for (const QString& size : sizes)
        EXPECT_TRUE(QFile::exists(QStringLiteral(PACKAGING_DIR "/icons/hicolor/%1/apps/%2.png").arg(size, icon)))
            << size.toStdString();
}

}  // namespace
