#include "shell/game_app.h"

#include <QApplication>

#include "base/fatal_error.h"
#include "shell/fatal_presenter.h"
#include "base/wait.h"
#include "ui/classic_look.h"
#include "ui/event_loop_wait.h"
#include "ui/game_dlg.h"

namespace {

// Waits and fatal errors use the window system only while it exists.
class CPlatformHooks {
public:
    CPlatformHooks()
    {
        SetWaitFunction(WaitInEventLoop);
        SetFatalErrorPresenter(ShowFatalErrorBox);
    }
    ~CPlatformHooks()
    {
        SetFatalErrorPresenter(nullptr);
        SetWaitFunction(nullptr);
    }
    CPlatformHooks(const CPlatformHooks&) = delete;
    CPlatformHooks& operator=(const CPlatformHooks&) = delete;
};

}  // namespace

int CGameApp::Run(int& argc, char** argv)
{
    // Whole-number scale factors only, so the pixel art stays crisp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.glimmerjig.Glimmerjig"));
    ApplyClassicLook(app);

    CPlatformHooks hooks;
    CGameDlg dialog;
    SetFatalErrorOwner(&dialog);
    dialog.exec();
    SetFatalErrorOwner(nullptr);
    return 0;
}
