#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>

// The real game on the X display the test runs under, driven with xdotool and read back
// from screenshots of the whole screen.
class GameSession {
public:
    GameSession();
    ~GameSession();

    // Starts the game and waits for its window; false when it did not appear.
    bool Start();

    // Client-area pixels; no window manager runs, so the client is the window.
    void Click(QPoint client);
    void Key(const char* key);
    // The window's client area as it is on the screen now, also saved as <name>.png
    // in the screenshot folder.
    QImage Screenshot(const QString& name);
    // Exit code, or -1 when the game is still running after the timeout.
    int WaitForExit(int milliseconds);

private:
    static QString Xdotool(const QStringList& arguments);

    QProcess m_game;
    QString m_window;
    QPoint m_origin;
};
