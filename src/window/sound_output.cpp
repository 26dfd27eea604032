#include "window/sound_output.h"

#include "sound/cue_player.h"

SoundOutput DefaultSoundOutput()
{
    return {::PlayCue, ::Pause};
}
