#include "ms_adpcm.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                 768, 614, 512, 409, 307, 230, 230, 230};

struct ChannelBlock {
    int predictor = 0;
    int delta = 16;
    std::vector<std::uint8_t> nibbles;  // one per sample after the two in the header
    double error = 0.0;
};

// Runs the decoder alongside the encoder so that each nibble corrects the decoder's own
// reconstruction, not the ideal signal.
ChannelBlock EncodeChannel(const std::vector<int>& samples, int predictor, int delta)
{
    ChannelBlock block{predictor, delta, {}, 0.0};
    const auto [c1, c2] = kAdpcmCoefficients[predictor];
    int s2 = samples[0];
    int s1 = samples[1];
    for (std::size_t i = 2; i < samples.size(); ++i) {
        const int prediction = (s1 * c1 + s2 * c2) / 256;
        const double ratio = static_cast<double>(samples[i] - prediction) / delta;
        const int code = std::clamp(static_cast<int>(std::lround(ratio)), -8, 7);
        const int decoded = std::clamp(prediction + code * delta, -32768, 32767);
        const auto nibble = static_cast<std::uint8_t>(code & 0x0F);
        block.nibbles.push_back(nibble);
        block.error += std::pow(static_cast<double>(samples[i] - decoded), 2.0);
        delta = std::max(16, delta * kAdaptation[nibble] / 256);
        s2 = s1;
        s1 = decoded;
    }
    return block;
}

ChannelBlock BestEncoding(const std::vector<int>& samples)
{
    ChannelBlock best;
    best.error = std::numeric_limits<double>::infinity();
    for (int predictor = 0; predictor < 7; ++predictor)
        for (int delta = 16; delta <= 8192; delta *= 2) {
            ChannelBlock candidate = EncodeChannel(samples, predictor, delta);
            if (candidate.error < best.error)
                best = std::move(candidate);
        }
    return best;
}

void PutLe16(std::vector<std::uint8_t>& out, int value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

}  // namespace

int AdpcmSamplesPerBlock(int blockAlign, int channels)
{
    return (blockAlign - 7 * channels) * 2 / channels + 2;
}

std::vector<std::uint8_t> EncodeAdpcm(const std::vector<std::int16_t>& interleaved, int channels,
                                      int blockAlign)
{
    const auto perBlock = static_cast<std::size_t>(AdpcmSamplesPerBlock(blockAlign, channels));
    const std::size_t frames = interleaved.size() / static_cast<std::size_t>(channels);
    std::vector<std::uint8_t> out;
    for (std::size_t begin = 0; begin < frames; begin += perBlock) {
        std::vector<ChannelBlock> blocks;
        std::vector<std::vector<int>> samples(static_cast<std::size_t>(channels));
        for (int c = 0; c < channels; ++c) {
            auto& channel = samples[static_cast<std::size_t>(c)];
            for (std::size_t f = begin; f < begin + perBlock; ++f)
                channel.push_back(f < frames ? interleaved[f * channels + c] : 0);
            blocks.push_back(BestEncoding(channel));
        }
        for (const auto& block : blocks)
            out.push_back(static_cast<std::uint8_t>(block.predictor));
        for (const auto& block : blocks)
            PutLe16(out, block.delta);
        for (const auto& channel : samples)
            PutLe16(out, channel[1]);
        for (const auto& channel : samples)
            PutLe16(out, channel[0]);
        // Nibbles in frame order, channels interleaved, high nibble first.
        std::vector<std::uint8_t> nibbles;
        for (std::size_t i = 0; i + 2 < perBlock; ++i)
            for (const auto& block : blocks)
                nibbles.push_back(block.nibbles[i]);
        for (std::size_t i = 0; i < nibbles.size(); i += 2)
            out.push_back(static_cast<std::uint8_t>(nibbles[i] << 4 | nibbles[i + 1]));
    }
    return out;
}
