#include "disk_output.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <unistd.h>

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

namespace {

const std::string& DiskAudioFile()
{
    static const std::string file = "/tmp/glimmerjig-disk-" + std::to_string(::getpid()) + ".raw";
    return file;
}

}  // namespace

void UseDiskAudio()
{
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", DiskAudioFile().c_str(), 1);
    std::atexit([] { std::remove(DiskAudioFile().c_str()); });
}

std::size_t DeviceOutputSize()
{
    return ReadFile(DiskAudioFile()).size();
}

std::vector<std::uint8_t> DeviceOutputSince(std::size_t from, const std::vector<std::uint8_t>& last)
{
    std::vector<std::uint8_t> output;
    support::PollUntil([&] {
        const auto all = ReadFile(DiskAudioFile());
        output.assign(all.begin() + static_cast<long>(std::min(from, all.size())), all.end());
        const std::size_t at = Find(output, last);
        return at < output.size() && output.size() - at - last.size() >= 4 * kBufferBytes;
    });
    return output;
}

testing::AssertionResult LoopStoppedAtOnceByTheClick(const std::vector<std::uint8_t>& output,
                                                     const std::vector<std::uint8_t>& loop,
                                                     const std::vector<std::uint8_t>& click,
                                                     std::size_t& played)
{
    const std::size_t start = Find(output, loop);
    if (loop.empty() || start == output.size())
        return testing::AssertionFailure() << "the loop never reached the device";
    const std::size_t clickAt = Find(output, click, start);
    if (clickAt == output.size())
        return testing::AssertionFailure() << "no click after the loop";
    std::size_t end = start;
    while (end < clickAt && output[end] == loop[(end - start) % loop.size()])
        ++end;
    played = end - start;
    if (clickAt - end > 2 * kBufferBytes || !Silent(output, end, clickAt))
        return testing::AssertionFailure() << "the loop was not stopped at once: " << clickAt - end
                                           << " bytes between its end and the click";
    if (!Silent(output, clickAt + click.size(), output.size()))
        return testing::AssertionFailure() << "sound after the click";
    return testing::AssertionSuccess();
}
