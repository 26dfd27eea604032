#pragma once

#include <QImage>
#include <QJsonObject>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "tool_run.h"

// A headless sway of our own on its pixman renderer, one output at a scale, with a virtual
// keyboard in its seat for the whole session (without one, the seat's first keyboard comes with
// the first key, which the client may then lose), and the game as its client: natively on
// Wayland or as an X client of sway's Xwayland. By default one output of 2100x1260 device pixels,
// whole in logical pixels at 1.25, 1.5, 1.75 and 2, with floating windows at its top-left; or
// outputs of any size side by side, the first on the left, where sway places windows as it
// does for a player (a floating window centred on its output). Windows are undecorated. sway refuses to run as root, so
// a test running as root runs the whole session (sway, the keyboard, the game, grim, swaymsg,
// xwininfo) as the system user "nobody"; Xwayland admits only clients of its own user, and
// only one with a passwd entry.
class SwaySession {
public:
    enum class Client { kWayland, kXwayland };
    struct Output {
        QSize size;  // device pixels
        double scale;
    };

    explicit SwaySession(double scale);
    // The outputs, HEADLESS-1 and on, with sway's own placement.
    explicit SwaySession(std::vector<Output> outputs);
    ~SwaySession();
    SwaySession(const SwaySession&) = delete;
    SwaySession& operator=(const SwaySession&) = delete;

    // Starts sway and the keyboard: an empty string once both are up, else why sway could not
    // run here (its log is in the test's folder).
    QString Start();
    // Whether this sway runs an Xwayland: it tells a display, and Xwayland is installed.
    bool HasXwayland() const;
    // Starts the game, on Wayland with its side of the conversation logged; false when it did
    // not start.
    bool StartGame(Client client);
    // The whole output in device pixels by grim, also saved as <name>.png in the test's folder,
    // where sway's log and the game's are too.
    QImage Screenshot(const QString& name, int output = 1);
    // What the game has written to its standard error, its Wayland requests among it.
    QString GameLog() const;
    // sway's node of the game's first window, or an empty object while it has none.
    QJsonObject GameView();
    // sway's node of the window that has the focus, or an empty object.
    QJsonObject FocusedView();
    // Presses and releases a key (an XKB name) in the focused window.
    bool Key(const QString& key);
    // Runs a sway command (e.g. "move container to output HEADLESS-2").
    bool Command(const QString& command);
    // The size of the game's X window in X pixels (xwininfo), or an empty size.
    QSize XWindowSize(qint64 window);

private:
    QProcessEnvironment SessionEnvironment() const;
    // The program with its arguments, run as the session's user.
    QStringList AsUser(const QString& program, const QStringList& arguments) const;
    // Runs a tool of the session as its user to its end (support::RunTool).
    support::ToolRun RunAsUser(const QString& program, const QStringList& arguments, std::vector<int> accepted = {0});
    // sway's answer to a message of that type (get_tree, get_inputs) as JSON.
    QString Swaymsg(const QString& type);

    std::vector<Output> m_outputs;
    bool m_topLeft;
    QTemporaryDir m_runtime;  // XDG_RUNTIME_DIR, mode 700, the user's
    QTemporaryDir m_home;     // HOME: the config, the screenshots, where Xwayland's display is told
    QStringList m_user;       // setpriv and its arguments when running as root, else empty
    QString m_socket;         // sway's Wayland socket, in the runtime folder
    QString m_ipc;            // sway's IPC socket
    QString m_display;        // Xwayland's
    QProcess m_sway, m_keyboard, m_game;
};
