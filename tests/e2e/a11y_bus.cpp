#include "a11y_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QThread>
#include <csignal>

namespace {

const QString kConnectionName = QStringLiteral("glimmerjig-e2e-accessibility");

}  // namespace

AccessibilityBus::~AccessibilityBus()
{
    // The launcher takes its accessibility bus down with it, and the registry daemon on
    // that bus follows.
    if (m_launcher.state() != QProcess::NotRunning) {
        m_launcher.terminate();
        if (!m_launcher.waitForFinished(5000)) {
            m_launcher.kill();
            m_launcher.waitForFinished(5000);
        }
    }
    QDBusConnection::disconnectFromBus(kConnectionName);
    if (m_busPid > 0)
        ::kill(static_cast<pid_t>(m_busPid), SIGTERM);
}

bool AccessibilityBus::Start()
{
    // A session bus of the test's own: the daemon forks into the background and prints its
    // address and process id, a line each.
    QProcess launch;
    launch.start(QStringLiteral(DBUS_DAEMON), {QStringLiteral("--session"), QStringLiteral("--fork"),
                                               QStringLiteral("--print-address=1"), QStringLiteral("--print-pid=1")});
    if (!launch.waitForFinished(10000) || launch.exitCode() != 0)
        return false;
    const QStringList lines = QString::fromUtf8(launch.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (lines.size() < 2)
        return false;
    m_address = lines[0].trimmed();
    m_busPid = lines[1].trimmed().toLongLong();
    if (m_address.isEmpty() || m_busPid <= 0)
        return false;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    m_launcher.setProcessEnvironment(environment);
    m_launcher.setStandardOutputFile(QProcess::nullDevice());
    m_launcher.setStandardErrorFile(QProcess::nullDevice());
    m_launcher.start(QStringLiteral(AT_SPI_BUS_LAUNCHER), {QStringLiteral("--launch-immediately")});
    if (!m_launcher.waitForStarted(5000))
        return false;
    // Until the launcher owns its name, a program asking for the accessibility bus would
    // have the session start a second launcher of its own.
    const QDeadlineTimer deadline(10000);
    while (!LauncherServes()) {
        if (deadline.hasExpired() || m_launcher.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(20);
    }
    return true;
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
    QProcess client;
    client.setProcessEnvironment(environment);
    client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    client.start(QStringLiteral(SYSTEM_PYTHON), {QStringLiteral(A11Y_CLIENT), QString::number(pid)});
    if (!client.waitForFinished(20000) || client.exitStatus() != QProcess::NormalExit || client.exitCode() != 0)
        return {};
    return ParseTree(client.readAllStandardOutput());
}
