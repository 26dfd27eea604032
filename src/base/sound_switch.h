#pragma once

// Whether cues are played. The game flow switches it with the Sound button and for the demo;
// the cue player clears it when a cue cannot be played. Off until the window's start-up.
extern bool g_bSound;
