#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <utility>
#include <vector>

// A desktop of the test's own for the real xdg-open, in the process environment while it
// lives: empty data and configuration directories, no desktop environment for xdg-open to
// detect (so it takes its generic path), no session bus, a browser fallback that fails, and
// a display variable, without which xdg-open never looks up URL-scheme handlers (it only
// tests that the variable is set). What happens is decided by the handlers registered here,
// and a handler can be held at a gate until the test lets it go on, so that nothing depends
// on how long a run takes.
class CTestDesktop {
public:
    // The display xdg-open is told of: by default one that need not exist, which is enough for
    // it; a test that starts the game passes the display the game should open its window on.
    explicit CTestDesktop(const QByteArray& display = ":65535");
    ~CTestDesktop();
    CTestDesktop(const CTestDesktop&) = delete;
    CTestDesktop& operator=(const CTestDesktop&) = delete;

    // Makes a handler the default for mailto and https links, through xdg-mime. Its program
    // records the URL it gets, then runs the shell lines of then.
    void RegisterHandler(const QString& then = {});

    // Makes it a GNOME desktop whose opener, gio, fails as it does when no program is
    // registered for the target. xdg-open reports that failure on every release, while
    // from Debian 13 on it reports success after any handler it found has run, whatever the
    // handler's exit status.
    void FailingDesktopOpener();

    // The URL the handler received; empty when it never ran.
    QString Recorded() const;

    // A shell line for a handler's then: it waits there until the test opens the gate, or
    // until the desktop ends, so that a failed test leaves no handler behind.
    QString WaitAtGate();
    // Opens the gate for a handler waiting at it; false, changing nothing, while none waits.
    bool OpenGate();

    // A path inside the desktop's directory.
    QString Path(const QString& name) const;

    // Sets a variable for as long as the desktop lives.
    void Set(const char* name, const QByteArray& value);

private:
    void Unset(const char* name);
    void Remember(const char* name);

    QTemporaryDir m_dir;
    bool m_bGateShut = false;  // a handler was told to wait and the gate has not opened since
    std::vector<std::pair<const char*, std::pair<bool, QByteArray>>> m_saved;
};
