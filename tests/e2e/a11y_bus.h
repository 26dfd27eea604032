#pragma once

#include <QProcess>
#include <QString>
#include <vector>

#include "accessible_tree.h"

// A private D-Bus session with the AT-SPI accessibility bus on it, for one test. Programs
// started with Variables() expose their accessible trees there; ReadTree reads one with
// the Python client. Both buses stop with this object.
class AccessibilityBus {
public:
    AccessibilityBus() = default;
    ~AccessibilityBus();
    AccessibilityBus(const AccessibilityBus&) = delete;
    AccessibilityBus& operator=(const AccessibilityBus&) = delete;

    // Starts the session bus and the accessibility bus launcher and waits until the
    // launcher serves the session; false when either failed.
    bool Start();

    // What puts a program on this session bus with Qt's accessibility always on.
    QProcessEnvironment Variables() const;

    // The tree of the program with that process id, waiting up to the client's timeout for
    // it to appear; empty when it did not.
    std::vector<Accessible> ReadTree(qint64 pid) const;

private:
    bool LauncherServes() const;

    QString m_address;
    QProcess m_bus;  // the session's dbus-daemon
    QProcess m_launcher;
};
