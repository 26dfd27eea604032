#pragma once

#include <deque>
#include <functional>

// Runs the window's commands one at a time. A command can wait inside a nested event loop,
// so input that arrives meanwhile submits further commands: they wait here, first in first
// out, and run when the running one has ended. A command checks its preconditions when it
// runs, not when it was submitted.
class CCommandQueue {
public:
    using Command = std::function<void()>;

    // Runs the command now when none is running, then everything queued behind it;
    // otherwise queues it and returns at once.
    void Submit(Command command);

    bool Busy() const { return m_bRunning; }

    // Drops the commands that have not started; the running one goes on to its end.
    void DropPending() { m_pending.clear(); }

private:
    std::deque<Command> m_pending;
    bool m_bRunning = false;
};
