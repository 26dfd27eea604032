#include "sound/cue_device.h"

#include "base/own_environment.h"
#include "base/product.h"
#include "sound/alsa_quiet.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr int kRate = 48000;
// How much sound waits in the server for the game's stream: SDL asks a sound server to buffer
// just one period, 5 ms for a cue, which a loaded desktop cannot refill in time and the player
// hears as dropouts. 60 ms leaves the audio thread room while staying below the latency of
// SDL's default period.
constexpr int kBufferMs = 60;

// What the desktop's volume mixer shows for the game's stream: the game's name and icon, a
// stream name that says what plays, and the role of a game, by which the server's policies
// treat it. Through PulseAudio and PipeWire's PulseAudio interface, SDL 2.26 and 2.32 send
// the application and stream names but neither the role nor the icon (2.32's own PipeWire
// driver sends the role); libpulse adds its PULSE_PROP_ variables to every stream of the
// program, so those two go there, unless the player has set them, and so does the buffer's
// length; the programs the game starts do not inherit them. Done before SDL starts its
// threads.
void DescribeStream()
{
    SDL_SetHint(SDL_HINT_APP_NAME, kProductName);
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sound cues");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    SetOwnVariable("PULSE_PROP_application.icon_name", kAppId);
    SetOwnVariable("PULSE_PROP_media.role", "game");
    SetOwnVariable("PULSE_LATENCY_MSEC", std::to_string(kBufferMs));
}

class DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID id) : id_(id) { SDL_LockAudioDevice(id_); }
    ~DeviceLock() { SDL_UnlockAudioDevice(id_); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID id_;
};

}  // namespace

CueDevice::~CueDevice()
{
    Close();
}

bool CueDevice::Open(Uint16 frames, std::string& error)
{
    if (IsOpen())
        return true;
    // Without this SDL takes over SIGINT and SIGTERM, and Ctrl+C no longer ends the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SilenceAlsaErrors();
    if (!initialised_)
        DescribeStream();
    if (!initialised_ && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return false;
    }
    initialised_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = frames;
    wanted.callback = Callback;
    wanted.userdata = this;
    id_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &format_, 0);
    if (id_ == 0 && opened_) {
        // SDL may hold a connection to a sound server that has since restarted, and open
        // nothing through it: once a device has played, a failed open tries a fresh start.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (initialised_)
            id_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &format_, 0);
    }
    if (id_ == 0) {
        error = SDL_GetError();
        return false;
    }
    opened_ = true;
    samples_ = nullptr;
    SDL_PauseAudioDevice(id_, 0);
    return true;
}

void CueDevice::Close()
{
    if (!IsOpen())
        return;
    SDL_CloseAudioDevice(id_);
    id_ = 0;
    samples_ = nullptr;
}

bool CueDevice::IsLost() const
{
    return IsOpen() && SDL_GetAudioDeviceStatus(id_) == SDL_AUDIO_STOPPED;
}

std::chrono::steady_clock::time_point CueDevice::Start(const std::vector<std::uint8_t>& samples,
                                                       bool loop)
{
    DeviceLock lock(id_);
    samples_ = &samples;
    position_ = 0;
    loop_ = loop;
    finished_ = false;
    times_ = CueTimes{std::chrono::steady_clock::now(), {}, {}};
    return times_.start;
}

void CueDevice::Stop()
{
    if (!IsOpen())
        return;
    DeviceLock lock(id_);
    samples_ = nullptr;
}

bool CueDevice::IsFinished()
{
    if (!IsOpen())
        return true;
    DeviceLock lock(id_);
    return finished_;
}

bool CueDevice::IsPlaying()
{
    if (!IsOpen())
        return false;
    DeviceLock lock(id_);
    return samples_ != nullptr;
}

bool CueDevice::IsLooping()
{
    if (!IsOpen())
        return false;
    DeviceLock lock(id_);
    return samples_ != nullptr && loop_;
}

CueTimes CueDevice::Times()
{
    if (!IsOpen())
        return times_;
    DeviceLock lock(id_);
    return times_;
}

void SDLCALL CueDevice::Callback(void* self, Uint8* stream, int length)
{
    static_cast<CueDevice*>(self)->Fill(stream, static_cast<std::size_t>(length));
}

// Runs on SDL's audio thread with the device lock held.
void CueDevice::Fill(Uint8* stream, std::size_t length)
{
    std::size_t written = 0;
    while (samples_ != nullptr && written < length && !samples_->empty()) {
        if (times_.first == std::chrono::steady_clock::time_point{})
            times_.first = std::chrono::steady_clock::now();
        const std::size_t count = std::min(length - written, samples_->size() - position_);
        std::memcpy(stream + written, samples_->data() + position_, count);
        written += count;
        position_ += count;
        if (position_ == samples_->size()) {
            position_ = 0;
            if (!loop_) {
                times_.last = std::chrono::steady_clock::now();
                finished_ = true;
                samples_ = nullptr;
            }
        }
    }
    std::memset(stream + written, format_.silence, length - written);
}
