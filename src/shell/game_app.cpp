#include "shell/game_app.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "base/fatal_error.h"
#include "base/product.h"
#include "base/wait.h"
#include "shell/catalogues.h"
#include "shell/fatal_presenter.h"
#include "widgets/classic_look.h"
#include "widgets/whole_windows.h"
#include "window/event_loop_wait.h"
#include "window/game_dlg.h"

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

// While the window system starts: a display that cannot be reached ends the program with one
// line and exit code 1, not with Qt's abort.
class CStartGuard {
public:
    CStartGuard() { s_previous = qInstallMessageHandler(Handle); }
    ~CStartGuard() { qInstallMessageHandler(s_previous); }
    CStartGuard(const CStartGuard&) = delete;
    CStartGuard& operator=(const CStartGuard&) = delete;

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type != QtFatalMsg) {
            s_previous(type, context, message);
            return;
        }
        std::fputs("glimmerjig: cannot open a window: the display could not be reached.\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }

    static inline QtMessageHandler s_previous = nullptr;
};

}  // namespace

int CGameApp::Run(int& argc, char** argv)
{
    // The desktop's scale as it is, fractional ones included: the game scales its pixel art
    // itself (assets/device_art.h), so the compositor has nothing left to stretch.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    std::optional<QApplication> app;
    {
        CStartGuard guard;
        app.emplace(argc, argv);
    }
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    InstallCatalogues(*app);
    ApplyClassicLook(*app);
    KeepWindowsWholeOnDevice(*app);

    CPlatformHooks hooks;
    CGameDlg dialog;
    SetFatalErrorOwner(&dialog);
    dialog.exec();
    SetFatalErrorOwner(nullptr);
    return 0;
}
