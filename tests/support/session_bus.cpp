#include "session_bus.h"

#include "poll.h"

namespace support {

QString StartSessionBus(QProcess& bus)
{
    // The daemon prints its address once it listens.
    bus.setStandardErrorFile(QProcess::nullDevice());
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!PollUntil([&bus] { return bus.canReadLine() || bus.state() == QProcess::NotRunning; }))
        return {};
    return QString::fromUtf8(bus.readLine()).trimmed();
}

void StartOnSessionBus(QProcess& process, const QString& address, const QString& program,
                       const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
}

}  // namespace support
