#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A Weston compositor of our own on its headless back end, with the game as its Wayland client:
// no X display and no chosen Qt platform, as on a Wayland desktop. Both end with the session.
class WestonSession {
public:
    WestonSession();
    ~WestonSession();
    WestonSession(const WestonSession&) = delete;
    WestonSession& operator=(const WestonSession&) = delete;

    // Starts Weston and waits for its socket; false when it did not come up.
    bool Start();
    // Starts the game, its side of the Wayland conversation logged; false when it did not start.
    bool StartGame();
    // The whole screen by Weston's screenshooter, also saved as <name>.png in the test's folder,
    // where Weston's log and the game's are too.
    QImage Screenshot(const QString& name);
    // The requests the game sent to the compositor so far.
    QString GameProtocolLog() const;

private:
    QProcessEnvironment ClientEnvironment() const;

    QTemporaryDir m_runtime;  // Weston's XDG_RUNTIME_DIR, mode 700
    QTemporaryDir m_shots;    // where the screenshooter writes
    QString m_socket;
    QProcess m_weston, m_game;
};
