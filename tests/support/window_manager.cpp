#include "window_manager.h"

#include <QFile>
#include <QRegularExpression>

#include "poll.h"
#include "process_stop.h"
#include "session_bus.h"
#include "test_folder.h"
#include "tool_run.h"

namespace {

// Exit code 1: no such window, or no such property.
support::ToolOptions MayFindNone()
{
    support::ToolOptions options;
    options.accepted = {0, 1};
    return options;
}

}  // namespace

CWindowManager::~CWindowManager()
{
    support::StopProcess(m_manager);
    support::StopProcess(m_bus);
}

bool CWindowManager::Start()
{
    const QString address = support::StartSessionBus(m_bus);
    if (address.isEmpty())
        return false;

    support::StartOnSessionBus(m_manager, address, m_program, Arguments());
    return m_manager.waitForStarted(5000) &&
           support::PollUntil([this] { return Managing() || m_manager.state() == QProcess::NotRunning; },
                              std::chrono::seconds(30)) &&
           m_manager.state() == QProcess::Running && ShowsWindows();
}

bool CWindowManager::ShowsWindows()
{
    // The root window is touched at every look, so that a manager holding the probe's request
    // wakes to it.
    static const QString kProbe = QStringLiteral("glimmerjig-manager-probe");
    QProcess probe;
    probe.setStandardOutputFile(QProcess::nullDevice());
    probe.start(QStringLiteral("xmessage"), {QStringLiteral("-title"), kProbe, kProbe});
    const bool shown =
        probe.waitForStarted(5000) &&
        support::PollUntil(
            [&] {
                support::RunTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-f"),
                                                           QStringLiteral("GLIMMERJIG_TEST_WAKE"), QStringLiteral("8s"),
                                                           QStringLiteral("-set"), QStringLiteral("GLIMMERJIG_TEST_WAKE"),
                                                           QStringLiteral("1")});
                const QString window = support::RunTool(QStringLiteral("xdotool"),
                                                        {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                         QStringLiteral("--name"), QStringLiteral("^%1$").arg(kProbe)},
                                                        MayFindNone())
                                           .output;
                // Mapped by the manager, which marks the windows it manages.
                return !window.isEmpty() && !XProperty(window, "WM_STATE").isEmpty();
            },
            std::chrono::seconds(30));
    support::StopProcess(probe);
    return shown;
}

QStringList CWindowManager::Arguments() const
{
    // xfwm4's compositor and Openbox's animation of a minimise and a restore would only add
    // frames in which the window is somewhere between.
    if (m_program == QLatin1String("xfwm4"))
        return {QStringLiteral("--compositor=off")};
    if (m_program != QLatin1String("openbox"))
        return {};
    const QString config = support::TestFile(QStringLiteral("openbox-rc.xml"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write("<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">"
                   "<theme><animateIconify>no</animateIconify></theme></openbox_config>\n") < 0)
        return {};
    return {QStringLiteral("--config-file"), config};
}

bool CWindowManager::Managing()
{
    // Until the manager names itself, xprop says the property is not there.
    const support::ToolRun check =
        support::RunTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    return check.output.contains(QLatin1String("window id"));
}

QString XProperty(const QString& window, const char* name)
{
    const QString property = QString::fromLatin1(name);
    const support::ToolRun run = support::RunTool(QStringLiteral("xprop"), {QStringLiteral("-id"), window, property});
    // A property the window lacks is reported as "NAME:  not found." with exit code 0.
    if (!run.ok || !run.output.startsWith(property) || run.output.endsWith(QLatin1String("not found.")))
        return {};
    return run.output.mid(run.output.indexOf(QRegularExpression(QStringLiteral("[=:]"))) + 1).trimmed();
}

QString WindowInfo(const QString& window)
{
    const support::ToolRun info =
        support::RunTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}, MayFindNone());
    return info.exitCode == 0 ? info.output : QString();
}

bool Viewable(const QString& window)
{
    return WindowInfo(window).contains(QLatin1String("Map State: IsViewable"));
}

// xdotool's own wait (--sync) gives up silently after a while: ask, then look.
bool MinimiseWindow(const QString& window)
{
    return support::RunTool(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), window}).ok &&
           support::PollUntil([&window] { return !Viewable(window); });
}

bool ActivateWindow(const QString& window)
{
    return support::RunTool(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), window}).ok &&
           support::PollUntil([&window] {
               return Viewable(window) &&
                      support::RunTool(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}, MayFindNone())
                              .output == window;
           });
}
