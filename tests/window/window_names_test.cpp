// What a screen reader calls the windows, whatever their captions and states.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <functional>
#include <gtest/gtest.h>

#include "fake_sound.h"
#include "qt_print.h"
#include "boxes/about_dlg.h"
#include "window/game_dlg.h"

namespace {

QString SpokenName(QWidget* window)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

TEST(WindowNamesTest, WindowsAreNamedInWordsShownOrMinimised)
{
    CGameDlg game{(fake_sound::Reset(), fake_sound::Output())};
    CAboutDlg about(&game);
    const struct {
        const char* what;
        QWidget* window;
        std::function<void(QWidget*)> show;
        const char* name;
    } cases[] = {
        {"game", &game, &QWidget::show, "Glimmerjig"},
        {"game minimised", &game, &QWidget::showMinimized, "Glimmerjig"},
        {"About box", &about, &QWidget::show, "About Glimmerjig"},
    };
    for (const auto& c : cases) {
        c.show(c.window);
        EXPECT_EQ(SpokenName(c.window), QString::fromLatin1(c.name)) << c.what;
    }
    fake_sound::Reset();
}

}  // namespace
