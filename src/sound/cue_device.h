#pragma once

#include "sound/cue_player.h"

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The one SDL audio device, in one fixed format, playing at most one sound at a time from
// its callback. Everything the callback reads is changed under the device lock. The period
// (frames per callback) is chosen at each Open: SDL's audio thread wakes once per period for
// as long as the device is open, paused or not, so only a closed device lets it sleep.
class CueDevice {
public:
    CueDevice() = default;
    CueDevice(const CueDevice&) = delete;
    CueDevice& operator=(const CueDevice&) = delete;
    ~CueDevice();

    // Initialises SDL audio and opens the default device; on failure the reason is in
    // `error`. SDL audio stays initialised for the program's life: shutting it down joins
    // its device-watching thread, which can take 100 ms, and a later Open only needs to
    // open the device again.
    bool Open(Uint16 frames, std::string& error);
    void Close();
    bool IsOpen() const { return id_ != 0; }
    // The device was open and has since been lost.
    bool IsLost() const;
    const SDL_AudioSpec& Format() const { return format_; }
    // Frames per callback of the open device.
    Uint16 Frames() const { return format_.samples; }

    // Replaces whatever plays by `samples` (in the device's Format()), which must outlive the
    // playback. Returns the time it was handed over.
    std::chrono::steady_clock::time_point Start(const std::vector<std::uint8_t>& samples,
                                                bool loop);
    // Silences the device from its next callback on.
    void Stop();
    // A one-shot sound has been copied to its last byte; true too for a closed device.
    bool IsFinished();
    // Something is being copied to the device: a loop, or a one-shot not yet finished.
    bool IsPlaying();
    bool IsLooping();
    CueTimes Times();

private:
    static void SDLCALL Callback(void* self, Uint8* stream, int length);
    void Fill(Uint8* stream, std::size_t length);

    bool initialised_ = false;
    bool opened_ = false;  // a device has been open before
    SDL_AudioDeviceID id_ = 0;
    SDL_AudioSpec format_{};
    const std::vector<std::uint8_t>* samples_ = nullptr;
    std::size_t position_ = 0;
    bool loop_ = false;
    bool finished_ = false;
    CueTimes times_;
};
