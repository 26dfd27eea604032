#pragma once

#include <QImage>
#include <QRect>
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

    // Variables the game gets besides this process's own; before Start.
    void AddEnvironment(const QProcessEnvironment& variables);
    // Starts the game and waits for its window; false when it did not appear.
    bool Start();
    qint64 ProcessId() const { return m_game.processId(); }
    // Where the client area's top-left pixel is on the screen.
    QPoint Origin() const { return m_origin; }

    // Client-area pixels; no window manager runs, so the client is the window. Button 1 is
    // the left button, 3 the right.
    void Click(QPoint client, int button = 1);
    void ClickScreen(QPoint screen, int button = 1);
    void Key(const char* key);
    // The window's client area as it is on the screen now, also saved as <name>.png
    // in the screenshot folder.
    QImage Screenshot(const QString& name);
    // Screenshots until the window stops changing: a move with its reply takes a few seconds.
    QImage SettledScreenshot(const QString& name);
    // That part of the screen as it is now, also saved as <name>.png.
    QImage ScreenshotOf(const QRect& area, const QString& name);

    // Another window of the game, told apart from the game window by its size: where it
    // stands on the screen, once it shows (it gets the keyboard then), or an empty rectangle
    // when it has not shown within the time.
    QRect WaitForWindow(QSize size, int milliseconds);
    // Whether a window of the game of that size still shows after the time.
    bool StillShows(QSize size, int milliseconds);
    // Exit code, or -1 when the game is still running after the timeout.
    int WaitForExit(int milliseconds);

private:
    static QString Xdotool(const QStringList& arguments);

    QProcess m_game;
    QString m_window;
    QPoint m_origin;
};
