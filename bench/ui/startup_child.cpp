#include "startup_child.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "base/wait.h"
#include "widgets/classic_look.h"
#include "window/event_loop_wait.h"
#include "window/game_dlg.h"

namespace {

using Clock = std::chrono::steady_clock;

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Notes the first paint of the watched window, then ends its run.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QDialog& dialog) : m_dialog(dialog) { dialog.installEventFilter(this); }

    Clock::time_point at;
    long residentKb = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && residentKb < 0) {
            at = Clock::now();
            residentKb = ResidentKilobytes();
            QTimer::singleShot(0, &m_dialog, &QDialog::accept);
        }
        return false;
    }

private:
    QDialog& m_dialog;
};

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int RunStartUpChild(int argc, char** argv, StartUpWindow window, Clock::time_point launch)
{
    const Clock::time_point start = Clock::now();
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    std::unique_ptr<QDialog> dialog;
    if (window == StartUpWindow::kGame) {
        ApplyClassicLook(app);
        SetWaitFunction(WaitInEventLoop);
        dialog = std::make_unique<CGameDlg>();
    } else {
        dialog = std::make_unique<QDialog>();
        dialog->setFixedSize(317, 271);
        if (window == StartUpWindow::kText)
            new QLabel(QStringLiteral("Glimmerjig"), dialog.get());
    }
    FirstPaint watch(*dialog);
    dialog->exec();
    std::printf("%.3f %.3f %ld\n", Ms(watch.at - launch), Ms(watch.at - start), watch.residentKb);
    return watch.residentKb < 0 ? 1 : 0;
}
