#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <chrono>

using namespace std::chrono_literals;

// The real game on the X display the test runs under, driven with xdotool and read back
// from screenshots of the whole screen, saved in the test's own folder.
class GameSession {
public:
    GameSession();
    ~GameSession();

    // Variables the game gets besides this process's own, or without one of them, and its
    // arguments; before Start.
    void AddEnvironment(const QProcessEnvironment& variables);
    void RemoveEnvironment(const QString& name);
    void SetArguments(const QStringList& arguments) { m_game.setArguments(arguments); }
    // Starts the game and waits for its window; false when it did not appear.
    bool Start();
    qint64 ProcessId() const { return m_game.processId(); }
    bool Running() const { return m_game.state() == QProcess::Running; }
    // The X id of the game's own window.
    const QString& WindowId() const { return m_window; }
    // Where the client area's top-left pixel is on the screen now: a window manager may
    // place the window after it first shows.
    QPoint Origin() const { return GeometryOf(m_window).topLeft(); }

    // Client-area pixels. Button 1 is the left button, 3 the right.
    void Click(QPoint client, int button = 1);
    void ClickScreen(QPoint screen, int button = 1);
    void Key(const char* key);
    // The window's client area as it is on the screen now, also saved as <name>.png.
    QImage Screenshot(const QString& name);
    // The client area once the window has stood still for longer than the game ever pauses
    // inside a command; a null image when it never did.
    QImage SettledScreenshot(const QString& name);
    // That part of the screen as it is now, also saved as <name>.png.
    QImage ScreenshotOf(const QRect& area, const QString& name);

    // Another window of the game, told apart from the game window by its size: where it
    // stands on the screen once it shows (it gets the keyboard then), or an empty rectangle
    // when it has not shown within the limit.
    QRect WaitForWindow(QSize size, std::chrono::milliseconds limit);
    // The same for a window within one pixel of that size, as at a fractional desktop scale.
    QRect WaitForWindowNear(QSizeF size, std::chrono::milliseconds limit);
    // Where a window of the game of that size shows now, focused; an empty rectangle for none.
    QRect WindowOfSize(QSize size);
    // The X id of a window of the game of that size that shows now, or within `within`
    // pixels of it; empty for none.
    QString WindowIdOfSize(QSizeF size, double within = 0);
    // Where the client area of the window with that X id is on the screen.
    static QRect GeometryOf(const QString& window);
    // Exit code, or -1 when the game is still running at the end of the limit.
    int WaitForExit(std::chrono::milliseconds limit);

private:
    // The game's visible windows of that title pattern.
    QStringList Windows(const QString& title);
    // Asks for the keyboard focus to go to the window; whether it has it now.
    bool Focus(const QString& window);

    QProcess m_game;
    QString m_window;
};
