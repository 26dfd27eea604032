#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A real window manager on the test's X display, on a D-Bus session of its own (Xfce's
// xfwm4 reads its settings over D-Bus), from Start until the object goes.
class CWindowManager {
public:
    explicit CWindowManager(QString program) : m_program(std::move(program)) {}
    ~CWindowManager();
    CWindowManager(const CWindowManager&) = delete;
    CWindowManager& operator=(const CWindowManager&) = delete;

    // Starts the bus and the window manager and waits until the manager has taken the screen
    // and answers at once a window that asks to be shown; false when it did not.
    bool Start();

private:
    QStringList Arguments() const;
    // The manager names itself on the root window.
    bool Managing();
    // A manager names itself before its event loop runs, and Openbox leaves a request to show
    // a window that comes in between unanswered until some later event wakes it: the window
    // stays unmapped. Whether a window of the harness's own, shown with the root window
    // touched meanwhile, has shown; from then on the manager answers at once.
    bool ShowsWindows();

    QString m_program;
    QProcess m_bus;
    QProcess m_manager;
};

// An X property of a window as xprop prints it after the property's name: "= a, b" for a
// list, ":" and indented lines for size hints; empty while the window does not have it.
QString XProperty(const QString& window, const char* name);

// What xwininfo says of the window; empty when it has gone (a box closing while a poll looks
// at it).
QString WindowInfo(const QString& window);
// Whether the window and every window it stands in are mapped: on the screen unless covered.
bool Viewable(const QString& window);
// Asks the window manager to minimise the window, and waits until it has taken it off the
// screen; false when it did not within the limit (a manager may refuse a window that offers
// no minimise button, as xfwm4 does).
bool MinimiseWindow(const QString& window);
// Asks the window manager to activate the window, which restores it when minimised, and waits
// until it shows and is the active window; false when it did not within the limit.
bool ActivateWindow(const QString& window);
