#include "window/command_queue.h"

#include <utility>

void CCommandQueue::Submit(Command command)
{
    m_pending.push_back(std::move(command));
    if (m_bRunning)
        return;
    m_bRunning = true;
    while (!m_pending.empty()) {
        Command next = std::move(m_pending.front());
        m_pending.pop_front();
        next();
    }
    m_bRunning = false;
}
