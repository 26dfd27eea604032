#include "sound/cue_player.h"

#include "base/sound_switch.h"
#include "base/cue_ids.h"
#include "base/fatal_error.h"
#include "sound/cue_bank.h"
#include "sound/cue_device.h"
#include "base/wait.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// How long past its length a one-shot cue waits for the callback to take its last sample.
// A hardware device is ahead of that; only a device whose clock runs slow (SDL's dummy and
// disk drivers) is still behind, and the caller then keeps the cue's rhythm while the tail
// plays on until the next cue.
constexpr auto kGrace = std::chrono::milliseconds(5);
constexpr auto kPollStep = std::chrono::milliseconds(1);

struct Player {
    // Declared first, destroyed last: the device's callback may read the cues until it is
    // closed.
    std::unique_ptr<CueBank> bank;
    CueDevice device;
    bool failureReported = false;
};

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

bool EnsureDevice(Player& player)
{
    if (player.device.IsLost())
        player.device.Close();
    if (player.device.IsOpen())
        return true;
    std::string error;
    if (!player.device.Open(error)) {
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
    WaitUntil(deadline);
    while (!player.device.IsFinished() && Clock::now() < deadline + kGrace) {
        if (player.device.IsLost())
            return false;
        WaitUntil(std::min(Clock::now() + kPollStep, deadline + kGrace));
    }
    return !player.device.IsLost();
}

}  // namespace

void PlayCue(int id)
{
    if (!g_bSound)
        return;
    Player& player = ThePlayer();
    player.device.Stop();
    if (id < kCueWin || id > kCueLoss)
        FatalError("Sound ?");
    if (!EnsureDevice(player)) {
        GiveUp(player);
        return;
    }
    const auto* samples = player.bank->Find(id);
    if (samples == nullptr) {
        GiveUp(player);
        return;
    }
    const bool loop = id == kCueLoop;
    const auto start = player.device.Start(*samples, loop);
    if (!loop && !WaitForEnd(player, start + Length(*samples, player.device.Format())))
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
    return ThePlayer().device.Times();
}
