#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double Pitch(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

namespace {

double RaisedCosine(double x)  // 0 at x = 0, 1 at x = 1
{
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

double Envelope(double t, const Note& note, const Timbre& timbre)
{
    double level = timbre.attack > 0.0 ? RaisedCosine(t / timbre.attack) : 1.0;
    if (timbre.decay > 0.0)
        level *= std::exp(-t / timbre.decay);
    if (t > note.length)
        level *= 1.0 - RaisedCosine((t - note.length) / timbre.release);
    return level;
}

}  // namespace

void AddNote(std::vector<double>& out, double rate, const Note& note, const Timbre& timbre,
             bool wrap)
{
    const auto size = static_cast<long>(out.size());
    const auto first = static_cast<long>(std::ceil(note.start * rate));
    const auto last = static_cast<long>(std::floor((note.start + note.length + timbre.release) * rate));
    const double nyquistGuard = 0.45 * rate;
    double phase = 0.0;  // in cycles, integrated so that glide and vibrato stay continuous
    for (long i = first; i <= last; ++i) {
        const double t = i / rate - note.start;
        const double bend = std::pow(2.0, timbre.glide * std::min(t / note.length, 1.0) / 12.0);
        const double vibrato = 1.0 + timbre.vibratoDepth *
                                         std::sin(2.0 * std::numbers::pi * timbre.vibratoRate * t);
        const double frequency = note.frequency * bend * vibrato;
        double value = 0.0;
        for (std::size_t h = 0; h < timbre.harmonics.size(); ++h) {
            const double k = static_cast<double>(h + 1);
            if (k * frequency < nyquistGuard)
                value += timbre.harmonics[h] * std::sin(2.0 * std::numbers::pi * k * phase);
        }
        phase += frequency / rate;
        const long index = wrap ? ((i % size) + size) % size : i;
        if (index >= 0 && index < size)
            out[static_cast<std::size_t>(index)] += note.gain * Envelope(t, note, timbre) * value;
    }
}

void Normalize(std::vector<std::vector<double>*> channels, double peak)
{
    double largest = 0.0;
    for (auto* channel : channels) {
        double mean = 0.0;
        for (double v : *channel)
            mean += v;
        mean /= static_cast<double>(channel->size());
        for (double& v : *channel) {
            v -= mean;
            largest = std::max(largest, std::abs(v));
        }
    }
    if (largest > 0.0)
        for (auto* channel : channels)
            for (double& v : *channel)
                v *= peak / largest;
}
