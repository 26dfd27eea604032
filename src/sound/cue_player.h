#pragma once

#include <chrono>

// Cues 243..246, played when g_bSound is on. A playing sound is stopped first; 245 loops in
// the background, the others return when their last sample has gone to the device. A cue
// that cannot be played switches g_bSound off. Any other id ends the program ("Sound ?").
void PlayCue(int id);

// Waits 1000 / n milliseconds; n = 0 ends the program ("003").
void Pause(int n);

// When the latest cue was handed to the device and when the audio callback copied its first
// and its last sample (last stays empty for the loop). For tests and benchmarks.
struct CueTimes {
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::time_point first;
    std::chrono::steady_clock::time_point last;
};
CueTimes LatestCueTimes();
