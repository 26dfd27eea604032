#pragma once

#include <string>
#include <utility>
#include <vector>

#include "flow/game_view.h"

// A window that only remembers. Every call is logged in order with the virtual time at which
// it began; pauses and one-shot cues advance that clock instead of waiting. Like the real
// sound module it plays nothing while g_bSound is off, and then takes no time.
class FakeView : public IGameView {
public:
    struct Event {
        long long ms;
        std::string what;  // e.g. "smiley 95 off", "mirror 95 on", "cue 244", "pause 250"
    };

    void EnableSmiley(int code, bool enabled) override;
    void EnableMirror(int code, bool enabled) override;
    void EnableToolButtons() override;
    void CheckSizeButton(int size) override;
    void CheckLevelButton(int level) override;
    void SetScoreText(const std::string& text) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void WatchForPlayer() override;
    bool PlayerHasStirred() override;
    void PlayCue(int id) override;
    void Pause(int n) override;

    // The player stirs at this poll after WatchForPlayer (1 = the first); negative: never.
    void StirAtPoll(int poll);
    // Forgets the log, keeps the cells, the controls and the clock.
    void ClearLog() { m_events.clear(); }
    // A long soak keeps the state but not the log.
    void SetLogging(bool on) { m_logging = on; }

    const std::vector<Event>& Events() const { return m_events; }
    // The logged texts that start with prefix, in order.
    std::vector<std::string> Log(const std::string& prefix = "") const;
    long long Now() const { return m_now; }

    bool SmileyShown(int code) const { return m_smiley[code]; }
    bool MirrorShown(int code) const { return m_mirror[code]; }
    bool ToolsEnabled() const { return m_tools; }
    int CheckedSize() const { return m_size; }
    int CheckedLevel() const { return m_level; }
    const std::string& Score() const { return m_score; }
    const std::vector<std::pair<std::string, std::string>>& Messages() const { return m_messages; }
    bool Looping() const { return m_looping; }
    int Polls() const { return m_polls; }
    int NewBoards() const { return m_newBoards; }

private:
    void Record(std::string what);

    std::vector<Event> m_events;
    bool m_logging = true;
    long long m_now = 0;
    bool m_smiley[100] = {};
    bool m_mirror[100] = {};
    bool m_tools = false;
    int m_size = 0;
    int m_level = 0;
    std::string m_score;
    std::vector<std::pair<std::string, std::string>> m_messages;
    bool m_looping = false;
    int m_polls = 0;
    int m_stirAt = -1;
    int m_newBoards = 0;
};
