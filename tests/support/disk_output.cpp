#include "disk_output.h"

#include <SDL.h>
#include <algorithm>

#include "assets/cues.h"
#include "sound/cue_bank.h"
#include "poll.h"
#include "wave_reader.h"

std::vector<std::uint8_t> DeviceSamples(int id)
{
    SDL_AudioSpec device{};
    device.format = AUDIO_S16SYS;
    device.channels = 2;
    device.freq = 48000;
    const auto bytes = CueBytes(id);
    return DecodeWave(bytes.data(), bytes.size(), device).value_or(std::vector<std::uint8_t>{});
}

std::size_t Find(const std::vector<std::uint8_t>& haystack, const std::vector<std::uint8_t>& needle,
                 std::size_t from)
{
    const auto at = std::search(haystack.begin() + static_cast<long>(std::min(from, haystack.size())),
                                haystack.end(), needle.begin(), needle.end());
    return static_cast<std::size_t>(at - haystack.begin());
}

bool Silent(const std::vector<std::uint8_t>& bytes, std::size_t begin, std::size_t end)
{
    return std::all_of(bytes.begin() + static_cast<long>(begin), bytes.begin() + static_cast<long>(end),
                       [](std::uint8_t b) { return b == 0; });
}

std::vector<std::uint8_t> DeviceOutputSince(const std::string& file, std::size_t from,
                                            const std::vector<std::uint8_t>& last)
{
    std::vector<std::uint8_t> output;
    support::PollUntil([&] {
        const auto all = ReadFile(file);
        output.assign(all.begin() + static_cast<long>(std::min(from, all.size())), all.end());
        const std::size_t at = Find(output, last);
        return at < output.size() && output.size() - at - last.size() >= 4 * kBufferBytes;
    });
    return output;
}
