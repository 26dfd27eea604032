#include "window_manager.h"

#include "poll.h"
#include "process_stop.h"
#include "tool_run.h"

CWindowManager::~CWindowManager()
{
    support::StopProcess(m_manager);
    support::StopProcess(m_bus);
}

bool CWindowManager::Start()
{
    m_bus.setStandardErrorFile(QProcess::nullDevice());
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!support::PollUntil([this] { return m_bus.canReadLine() || m_bus.state() == QProcess::NotRunning; }))
        return false;
    const QString address = QString::fromUtf8(m_bus.readLine()).trimmed();
    if (address.isEmpty())
        return false;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    m_manager.setProcessEnvironment(environment);
    m_manager.setStandardOutputFile(QProcess::nullDevice());
    m_manager.setStandardErrorFile(QProcess::nullDevice());
    // xfwm4's compositor would only add frames to wait for.
    const QStringList arguments =
        m_program == QLatin1String("xfwm4") ? QStringList{QStringLiteral("--compositor=off")} : QStringList{};
    m_manager.start(m_program, arguments);
    return m_manager.waitForStarted(5000) &&
           support::PollUntil([this] { return Managing() || m_manager.state() == QProcess::NotRunning; }) &&
           m_manager.state() == QProcess::Running;
}

bool CWindowManager::Managing()
{
    // Exit code 1 while the property is not there yet.
    support::ToolOptions options;
    options.accepted = {0, 1};
    const support::ToolRun check =
        support::RunTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")}, options);
    return check.output.contains(QLatin1String("window id"));
}
