#pragma once

#include <functional>
#include <string>
#include <vector>

#include "window/sound_output.h"

// Cues and pauses recorded instead of played, so a window's commands run at once. A test
// can act in the middle of a command by hooking the pauses.
namespace fake_sound {

// "cue 244", "cue 246 (silent)" (sound off), "pause 2", ... in the order they came.
std::vector<std::string>& Log();
// Called by every pause with its divisor; empty for none.
std::function<void(int)>& OnPause();
void Reset();
SoundOutput Output();

}  // namespace fake_sound
