#include "cue_match.h"

#include "disk_output.h"

#include <cstdlib>
#include <cstring>

namespace {

// Below this a sample counts as silence: the server's conversion to float and back may leave
// a step of one.
constexpr int kQuiet = 2;

bool Sounds(const std::vector<std::int16_t>& samples, std::size_t frame)
{
    return std::abs(samples[2 * frame]) > kQuiet || std::abs(samples[2 * frame + 1]) > kQuiet;
}

}  // namespace

std::vector<std::int16_t> CueSamples(int id)
{
    const auto bytes = DeviceSamples(id);
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

std::size_t FirstSound(const std::vector<std::int16_t>& samples, std::size_t from)
{
    const std::size_t frames = samples.size() / 2;
    while (from < frames && !Sounds(samples, from))
        ++from;
    return from;
}
