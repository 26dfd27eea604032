#include "fake_sound.h"

#include "flow/flow_state.h"

namespace fake_sound {
namespace {

void PlayCue(int id)
{
    // The real player sounds a cue only while sound is on.
    Log().push_back("cue " + std::to_string(id) + (g_bSound ? "" : " (silent)"));
}

void Pause(int n)
{
    Log().push_back("pause " + std::to_string(n));
    if (OnPause())
        OnPause()(n);
}

}  // namespace

std::vector<std::string>& Log()
{
    static std::vector<std::string> log;
    return log;
}

std::function<void(int)>& OnPause()
{
    static std::function<void(int)> hook;
    return hook;
}

void Reset()
{
    Log().clear();
    OnPause() = nullptr;
}

SoundOutput Output()
{
    return {PlayCue, Pause};
}

}  // namespace fake_sound
