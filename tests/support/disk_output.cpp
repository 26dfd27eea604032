#include "disk_output.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>
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
    static const std::string file = "/tmp/glimmerjig-disk-" + std::to_string(::getpid()) + ".fifo";
    return file;
}

// Everything the driver has written, across every time the device was opened: the driver
// truncates a regular file at each open, so it writes into a pipe that this collects.
struct Written {
    std::mutex mutex;
    std::vector<std::uint8_t> bytes;
};

// Never destroyed: the collecting thread may still read while the program exits.
Written& TheWritten()
{
    static Written* const written = new Written;
    return *written;
}

// Runs for the program's life: each open of the device finds it waiting in open().
void CollectWritten()
{
    std::vector<std::uint8_t> buffer(1 << 16);
    for (;;) {
        const int pipe = ::open(DiskAudioFile().c_str(), O_RDONLY);
        if (pipe < 0)
            return;
        for (ssize_t n; (n = ::read(pipe, buffer.data(), buffer.size())) > 0;) {
            std::lock_guard lock(TheWritten().mutex);
            TheWritten().bytes.insert(TheWritten().bytes.end(), buffer.begin(), buffer.begin() + n);
        }
        ::close(pipe);
    }
}

std::vector<std::uint8_t> WrittenSince(std::size_t from)
{
    std::lock_guard lock(TheWritten().mutex);
    const auto& all = TheWritten().bytes;
    return {all.begin() + static_cast<long>(std::min(from, all.size())), all.end()};
}

}  // namespace

void UseDiskAudio()
{
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", DiskAudioFile().c_str(), 1);
    ::mkfifo(DiskAudioFile().c_str(), 0600);
    std::thread(CollectWritten).detach();
    std::atexit([] { std::remove(DiskAudioFile().c_str()); });
}

std::size_t DeviceOutputSize()
{
    std::lock_guard lock(TheWritten().mutex);
    return TheWritten().bytes.size();
}

bool DeviceWrites(std::size_t count)
{
    return support::PollUntil([count] { return DeviceOutputSize() >= count; });
}

bool DeviceWritesWhole(std::size_t from, const std::vector<std::uint8_t>& samples, std::size_t after,
                       std::vector<std::uint8_t>* output)
{
    std::vector<std::uint8_t> written;
    const bool whole = support::PollUntil([&] {
        written = WrittenSince(from);
        const std::size_t at = Find(written, samples);
        return at < written.size() && written.size() - at - samples.size() >= after;
    });
    if (output != nullptr)
        *output = std::move(written);
    return whole;
}

std::vector<std::uint8_t> DeviceOutputSince(std::size_t from, const std::vector<std::uint8_t>& last)
{
    std::vector<std::uint8_t> output;
    DeviceWritesWhole(from, last, 4 * kBufferBytes, &output);
    return output;
}

testing::AssertionResult LoopStoppedAtOnceByTheClick(const std::vector<std::uint8_t>& output,
                                                     const std::vector<std::uint8_t>& loop,
                                                     const std::vector<std::uint8_t>& click,
                                                     std::size_t stoppedAt, std::size_t& end)
{
    const std::size_t start = Find(output, loop);
    if (loop.empty() || start == output.size())
        return testing::AssertionFailure() << "the loop never reached the device";
    const std::size_t clickAt = Find(output, click, start);
    if (clickAt == output.size())
        return testing::AssertionFailure() << "no click after the loop";
    end = start;
    while (end < clickAt && output[end] == loop[(end - start) % loop.size()])
        ++end;
    if (end > stoppedAt + kStopBytes)
        return testing::AssertionFailure() << "the loop played on for " << end - stoppedAt
                                           << " bytes after the cue that stops it";
    if (clickAt - end > kStopBytes || !Silent(output, end, clickAt))
        return testing::AssertionFailure() << "the loop was not stopped at once: " << clickAt - end
                                           << " bytes between its end and the click";
    if (!Silent(output, clickAt + click.size(), output.size()))
        return testing::AssertionFailure() << "sound after the click";
    return testing::AssertionSuccess();
}
