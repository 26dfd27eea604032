#include "window_manager.h"

#include "poll.h"
#include "process_stop.h"
#include "session_bus.h"
#include "tool_run.h"

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

    // xfwm4's compositor would only add frames to wait for.
    const QStringList arguments =
        m_program == QLatin1String("xfwm4") ? QStringList{QStringLiteral("--compositor=off")} : QStringList{};
    support::StartOnSessionBus(m_manager, address, m_program, arguments);
    return m_manager.waitForStarted(5000) &&
           support::PollUntil([this] { return Managing() || m_manager.state() == QProcess::NotRunning; }) &&
           m_manager.state() == QProcess::Running;
}

bool CWindowManager::Managing()
{
    // Until the manager names itself, xprop says the property is not there.
    const support::ToolRun check =
        support::RunTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    return check.output.contains(QLatin1String("window id"));
}
