#include "sound/cue_player.h"

#include "base/sound_switch.h"
#include "base/cue_ids.h"
#include "base/fatal_error.h"
#include "sound/cue_bank.h"
#include "sound/cue_device.h"
#include "sound/deferred_action.h"
#include "base/wait.h"

#include <algorithm>
#include <cstdio>
#include <future>
#include <memory>
#include <mutex>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// How long past its length a one-shot cue waits for the callback to take its last sample.
// A hardware device is ahead of that; only a device whose clock runs slow (SDL's dummy and
// disk drivers) is still behind, and the caller then keeps the cue's rhythm while the tail
// plays on until the next cue.
constexpr auto kGrace = std::chrono::milliseconds(5);
constexpr auto kPollStep = std::chrono::milliseconds(1);
// How long opening the device may hold up the window before its events go on meanwhile.
constexpr auto kQuickOpen = std::chrono::milliseconds(50);

// Frames per callback. One-shot cues pace the game, so their device calls back every 5 ms
// and a cue's first sample follows PlayCue within a period. The loop plays on in the
// background for as long as Help is open: a period of 21 ms wakes the audio thread 47 times
// a second instead of 200, and the cue that ends the loop replaces it at the next callback,
// within that period.
constexpr Uint16 kCueFrames = 240;
constexpr Uint16 kLoopFrames = 1024;
// How long the device stays open after the last sample of its last cue: the cues of one move
// and the pauses between them, a second at most, share it, so that no cue waits for the
// device to open again; and an idle game closes it, so that SDL's audio thread ends instead of
// waking once a period to write silence and the stream leaves the server within 1.5 s.
constexpr auto kIdleClose = std::chrono::milliseconds(1250);

struct Player {
    Player();

    // Declared first, destroyed last: the device's callback may read the cues until it is
    // closed.
    std::unique_ptr<CueBank> bank;
    CueDevice device;
    bool failureReported = false;
    // Held by each use of the device, never across a wait: the idle close runs on a thread
    // of its own, and a wait lets events run that may play another cue.
    std::mutex mutex;
    // Destroyed first: its thread may still use the device.
    DeferredAction idleClose;
};

Player::Player()
    : idleClose([this] {
          std::lock_guard lock(mutex);
          // Only the next cue ends the loop, and it arms the close again.
          if (device.IsLooping())
              return true;
          if (device.IsPlaying())
              return false;
          device.Close();
          return true;
      })
{
}

Player& ThePlayer()
{
    static Player player;
    return player;
}

// Switches sound off; the next cue that finds it on again starts from a fresh device.
void GiveUp(Player& player)
{
    player.device.Close();
    g_bSound = false;
}

// A device open with the given period; a one-shot also takes the loop's open device, and
// ends the loop at its next callback.
bool EnsureDevice(Player& player, Uint16 frames)
{
    if (player.device.IsLost() || (player.device.IsOpen() && frames == kLoopFrames &&
                                   player.device.Frames() != kLoopFrames))
        player.device.Close();
    if (player.device.IsOpen())
        return true;
    std::string error;
    if (!player.device.Open(frames, error)) {
        if (!player.failureReported)
            std::fprintf(stderr, "Glimmerjig: sound is off: %s\n", error.c_str());
        player.failureReported = true;
        return false;
    }
    if (!player.bank)
        player.bank = std::make_unique<CueBank>(player.device.Format());
    return true;
}

Clock::duration Length(const std::vector<std::uint8_t>& samples, const SDL_AudioSpec& format)
{
    const auto frameBytes = static_cast<long long>(SDL_AUDIO_BITSIZE(format.format) / 8 * format.channels);
    const auto frames = static_cast<long long>(samples.size()) / frameBytes;
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(frames * 1'000'000'000LL / format.freq));
}

// Blocks for the cue's length, then until the callback has copied its last sample. False
// when the device has been lost meanwhile.
bool WaitForEnd(Player& player, Clock::time_point deadline)
{
    const auto finished = [&player] {
        std::lock_guard lock(player.mutex);
        return player.device.IsFinished();
    };
    const auto lost = [&player] {
        std::lock_guard lock(player.mutex);
        return player.device.IsLost();
    };
    WaitUntil(deadline);
    while (!finished() && Clock::now() < deadline + kGrace) {
        if (lost())
            return false;
        WaitUntil(std::min(Clock::now() + kPollStep, deadline + kGrace));
    }
    return !lost();
}

// Under the player's lock: stops what plays, makes sure of the device and hands it the cue.
// When the cue's last sample is due; nothing when it cannot be played, and sound is off.
std::optional<Clock::time_point> StartCue(Player& player, int id)
{
    player.device.Stop();
    const bool loop = id == kCueLoop;
    const auto* samples = EnsureDevice(player, loop ? kLoopFrames : kCueFrames) ? player.bank->Find(id) : nullptr;
    if (samples == nullptr) {
        GiveUp(player);
        return std::nullopt;
    }
    const auto start = player.device.Start(*samples, loop);
    const auto end = start + Length(*samples, player.device.Format());
    player.idleClose.Arm(loop ? kIdleClose : end - Clock::now() + kIdleClose);
    return end;
}

// Whether the device can take a cue with that period as it is, without talking to the server.
bool DeviceReady(Player& player, Uint16 frames)
{
    return player.device.IsOpen() && !player.device.IsLost() && (frames != kLoopFrames || player.device.Frames() == frames);
}

// Starts the cue on a thread of its own when the device has to be opened or closed first, and
// waits for it as a pause waits: SDL blocks while it opens or closes a stream on a sound
// server for as long as a stalled server takes to answer, and the window's events must go on.
std::optional<Clock::time_point> StartCueAside(Player& player, int id)
{
    auto started = std::async(std::launch::async, [&player, id] {
        std::lock_guard lock(player.mutex);
        return StartCue(player, id);
    });
    // Most opens, failed ones too, take a few milliseconds: those are waited for at once.
    if (started.wait_for(kQuickOpen) == std::future_status::ready)
        return started.get();
    while (started.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        WaitUntil(Clock::now() + kPollStep);
    return started.get();
}

}  // namespace

void PlayCue(int id)
{
    if (!g_bSound)
        return;
    if (id < kCueWin || id > kCueLoss)
        FatalError("Sound ?");
    Player& player = ThePlayer();
    std::optional<Clock::time_point> end;
    {
        // The idle close may hold the lock while SDL closes the device.
        std::unique_lock lock(player.mutex, std::try_to_lock);
        if (lock.owns_lock() && DeviceReady(player, id == kCueLoop ? kLoopFrames : kCueFrames))
            end = StartCue(player, id);
        else if (lock.owns_lock())
            lock.unlock();
        if (!lock.owns_lock())
            end = StartCueAside(player, id);
    }
    if (!end || id == kCueLoop || WaitForEnd(player, *end))
        return;
    std::lock_guard lock(player.mutex);
    GiveUp(player);
}

void Pause(int n)
{
    if (n == 0)
        FatalError("003");
    WaitUntil(Clock::now() + std::chrono::milliseconds(1000 / n));
}

CueTimes LatestCueTimes()
{
    Player& player = ThePlayer();
    std::lock_guard lock(player.mutex);
    return player.device.Times();
}
