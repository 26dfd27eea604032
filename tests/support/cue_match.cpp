#include "cue_match.h"

#include "disk_output.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// Below this a sample counts as silence: the server's conversion to float and back may leave
// a step of one.
constexpr int kQuiet = 2;
// How far from the aligned first sounds the best alignment is looked for, in frames.
constexpr long kSearch = 64;

bool Sounds(const std::vector<std::int16_t>& samples, std::size_t frame)
{
    return std::abs(samples[2 * frame]) > kQuiet || std::abs(samples[2 * frame + 1]) > kQuiet;
}

double Correlation(const std::vector<std::int16_t>& recording, std::size_t at, const std::vector<std::int16_t>& cue)
{
    double product = 0.0;
    double recorded = 0.0;
    double made = 0.0;
    for (std::size_t i = 0; i < cue.size(); ++i) {
        const double r = recording[2 * at + i];
        const double c = cue[i];
        product += r * c;
        recorded += r * r;
        made += c * c;
    }
    return recorded > 0.0 && made > 0.0 ? product / std::sqrt(recorded * made) : 0.0;
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

std::optional<CueMatch> FindCue(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& cue,
                                std::size_t from)
{
    const long frames = static_cast<long>(recording.size() / 2);
    const long cueFrames = static_cast<long>(cue.size() / 2);
    const long recorded = static_cast<long>(FirstSound(recording, from));
    const long made = static_cast<long>(FirstSound(cue, 0));
    if (recorded >= frames || made >= cueFrames)
        return std::nullopt;
    std::optional<CueMatch> best;
    for (long at = recorded - made - kSearch; at <= recorded - made + kSearch; ++at) {
        if (at < 0 || at + cueFrames > frames)
            continue;
        const double correlation = Correlation(recording, static_cast<std::size_t>(at), cue);
        if (!best || correlation > best->correlation)
            best = CueMatch{static_cast<std::size_t>(at), correlation};
    }
    return best;
}
