#include "fake_view.h"

#include <stdexcept>
#include <utility>

#include "flow/flow_state.h"

namespace {

// Lengths close to the real recordings; 245 loops in the background.
long long CueLength(int id)
{
    switch (id) {
    case 243: return 2100;
    case 244: return 50;
    case 245: return 0;
    case 246: return 1300;
    default: throw std::invalid_argument("no such cue");
    }
}

bool ValidCode(int code)
{
    return code / 10 >= 1 && code / 10 <= 9 && code % 10 >= 1 && code % 10 <= code / 10;
}

}  // namespace

void FakeView::Record(std::string what)
{
    m_events.push_back({m_now, std::move(what)});
}

void FakeView::EnableSmiley(int code, bool enabled)
{
    if (!ValidCode(code))
        throw std::out_of_range("smiley cell " + std::to_string(code));
    m_smiley[code] = enabled;
    if (m_logging)
        Record("smiley " + std::to_string(code) + (enabled ? " on" : " off"));
}

void FakeView::EnableMirror(int code, bool enabled)
{
    if (!ValidCode(code))
        throw std::out_of_range("mirror cell " + std::to_string(code));
    m_mirror[code] = enabled;
    if (m_logging)
        Record("mirror " + std::to_string(code) + (enabled ? " on" : " off"));
}

void FakeView::EnableToolButtons()
{
    m_tools = true;
    ++m_newBoards;
    if (m_logging)
        Record("tools");
}

void FakeView::CheckSizeButton(int size)
{
    m_size = size;
    if (m_logging)
        Record("size " + std::to_string(size));
}

void FakeView::CheckLevelButton(int level)
{
    m_level = level;
    if (m_logging)
        Record("level " + std::to_string(level));
}

void FakeView::SetScoreText(const std::string& text)
{
    m_score = text;
    if (m_logging)
        Record("score " + text);
}

void FakeView::ShowMessage(const std::string& text, const std::string& caption)
{
    m_messages.emplace_back(text, caption);
    if (m_logging)
        Record("message " + text);
}

void FakeView::WatchForPlayer()
{
    m_polls = 0;
    if (m_logging)
        Record("watch");
}

bool FakeView::PlayerHasStirred()
{
    ++m_polls;
    if (m_logging)
        Record("stirred?");
    return m_stirAt >= 0 && m_polls >= m_stirAt;
}

void FakeView::StirAtPoll(int poll)
{
    m_stirAt = poll;
}

void FakeView::PlayCue(int id)
{
    const long long length = CueLength(id);
    if (!g_bSound)
        return;
    m_looping = id == 245;
    if (m_logging)
        Record("cue " + std::to_string(id));
    m_now += length;
}

void FakeView::Pause(int n)
{
    if (n <= 0)
        throw std::invalid_argument("pause divisor");
    if (m_logging)
        Record("pause " + std::to_string(1000 / n));
    m_now += 1000 / n;
}

std::vector<std::string> FakeView::Log(const std::string& prefix) const
{
    std::vector<std::string> out;
    for (const Event& e : m_events)
        if (e.what.compare(0, prefix.size(), prefix) == 0)
            out.push_back(e.what);
    return out;
}
