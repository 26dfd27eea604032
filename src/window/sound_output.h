#pragma once

// Where the window sends its cues and pauses: the sound module in the program, a fast fake
// in tests.
struct SoundOutput {
    void (*playCue)(int id);
    void (*pause)(int n);
};

// The sound module's PlayCue and Pause.
SoundOutput DefaultSoundOutput();
