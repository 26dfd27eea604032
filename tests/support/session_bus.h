#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace support {

// Starts a D-Bus session daemon of the test's own in bus and waits until it listens; its
// address, or an empty string when it did not start. The caller stops it (StopProcess).
QString StartSessionBus(QProcess& bus);

// Starts program on the session bus at address, its output silenced.
void StartOnSessionBus(QProcess& process, const QString& address, const QString& program,
                       const QStringList& arguments);

}  // namespace support
