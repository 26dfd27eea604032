#include "a11y_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include "poll.h"
#include "process_stop.h"
#include "session_bus.h"
#include "tool_run.h"

namespace {

const QString kConnectionName = QStringLiteral("glimmerjig-e2e-accessibility");

}  // namespace

AccessibilityBus::~AccessibilityBus()
{
    // The launcher takes its accessibility bus down with it, and the registry daemon on
    // that bus follows.
    support::StopProcess(m_launcher);
    QDBusConnection::disconnectFromBus(kConnectionName);
    support::StopProcess(m_bus);
}

bool AccessibilityBus::Start()
{
    m_address = support::StartSessionBus(m_bus);
    if (m_address.isEmpty())
        return false;

    support::StartOnSessionBus(m_launcher, m_address, QStringLiteral(AT_SPI_BUS_LAUNCHER),
                               {QStringLiteral("--launch-immediately")});
    if (!m_launcher.waitForStarted(5000))
        return false;
    // Until the launcher owns its name, a program asking for the accessibility bus would
    // have the session start a second launcher of its own.
    return support::PollUntil([this] { return LauncherServes() || m_launcher.state() == QProcess::NotRunning; }) &&
           m_launcher.state() == QProcess::Running;
}

bool AccessibilityBus::LauncherServes() const
{
    QDBusConnection session = QDBusConnection::connectToBus(m_address, kConnectionName);
    return session.isConnected() && session.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus"));
}

QProcessEnvironment AccessibilityBus::Variables() const
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    return environment;
}

std::vector<Accessible> AccessibilityBus::ReadTree(qint64 pid) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(Variables());
    support::ToolOptions options;
    options.environment = environment;
    options.limit = std::chrono::seconds(20);
    const support::ToolRun client =
        support::RunTool(QStringLiteral(SYSTEM_PYTHON), {QStringLiteral(A11Y_CLIENT), QString::number(pid)}, options);
    return client.ok ? ParseTree(client.output.toUtf8()) : std::vector<Accessible>{};
}
