#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

#include "active_window.h"
#include "fake_sound.h"
#include "boxes/about_dlg.h"
#include "boxes/help_dlg.h"
#include "widgets/cell_button.h"
#include "widgets/control_names.h"
#include "window/game_dlg.h"

// The launches a window asked for, recorded instead of handed to the desktop; a test may act
// while one runs, as a player may while the desktop's opener looks for its program.
inline std::vector<std::string> g_launches;
inline std::function<void()> g_duringLaunch;
inline void RecordLaunch(QWidget*, std::string_view target)
{
    g_launches.emplace_back(target);
    if (g_duringLaunch)
        g_duringLaunch();
}

// A right click over the widget, delivered as the window system delivers it: to the widget
// under the pointer, enabled or not.
inline void RightClick(QWidget* widget)
{
    const QPoint centre = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &event);
}

// The About command from the window menu; act gets the box once it is up.
inline void RunAbout(CGameDlg& game, const std::function<void(CAboutDlg&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        act(*box);
    });
    RightClick(&game);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    QAction* about = menu->actions().last();
    ASSERT_EQ(about->text(), QStringLiteral("&About Game   G l i m m e r j i g…"));
    menu->close();
    about->trigger();
}

// The Help command from its button; act gets the help window once it is up.
inline void RunHelp(CGameDlg& game, const std::function<void(CHelpDlg&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* help = qobject_cast<CHelpDlg*>(QApplication::activeModalWidget());
        ASSERT_TRUE(help);
        act(*help);
    });
    game.findChild<CCellButton*>(control_name::kHelp)->click();
}

// The game window shown and active, its cues and pauses recorded by the fake sound and its
// launches by RecordLaunch; what its start-up played is kept apart.
class GameDlgTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_launches.clear();
        ASSERT_TRUE(ShowActive(dialog));
        startLog = fake_sound::Log();
        fake_sound::Log().clear();
    }
    void TearDown() override
    {
        fake_sound::Reset();
        g_launches.clear();
        g_duringLaunch = nullptr;
    }

    template <typename Control = QWidget>
    Control* Find(const QString& name) const
    {
        return dialog.findChild<Control*>(name);
    }

    CGameDlg dialog{(fake_sound::Reset(), fake_sound::Output()), RecordLaunch};
    std::vector<std::string> startLog;  // what the window's start-up played
};
