#include "wave_file.h"

#include "ms_adpcm.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

constexpr int kFormatPcm = 1;
constexpr int kFormatAdpcm = 2;

class RiffWriter {
public:
    void Tag(std::string_view tag) { bytes_.insert(bytes_.end(), tag.begin(), tag.end()); }
    void U16(unsigned value) { Put(value, 2); }
    void U32(unsigned value) { Put(value, 4); }
    void Bytes(const std::vector<std::uint8_t>& data)
    {
        bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
    void Chunk(std::string_view tag, const std::vector<std::uint8_t>& body)
    {
        Tag(tag);
        U32(static_cast<unsigned>(body.size()));
        Bytes(body);
        if (body.size() % 2 != 0)
            bytes_.push_back(0);
    }
    std::vector<std::uint8_t> Riff()
    {
        RiffWriter file;
        file.Tag("RIFF");
        file.U32(static_cast<unsigned>(bytes_.size() + 4));
        file.Tag("WAVE");
        file.Bytes(bytes_);
        return file.bytes_;
    }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

private:
    void Put(unsigned value, int count)
    {
        for (int i = 0; i < count; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    std::vector<std::uint8_t> bytes_;
};

std::int16_t ToS16(double v)
{
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
}

}  // namespace

std::vector<std::uint8_t> Pcm8Wave(const std::vector<double>& mono, int rate)
{
    RiffWriter format;
    format.U16(kFormatPcm);
    format.U16(1);
    format.U32(static_cast<unsigned>(rate));
    format.U32(static_cast<unsigned>(rate));
    format.U16(1);
    format.U16(8);
    std::vector<std::uint8_t> data;
    for (double v : mono)
        data.push_back(static_cast<std::uint8_t>(128 + std::lround(std::clamp(v, -1.0, 1.0) * 127.0)));
    RiffWriter file;
    file.Chunk("fmt ", format.bytes());
    file.Chunk("data", data);
    return file.Riff();
}

std::vector<std::uint8_t> AdpcmWave(const std::vector<std::vector<double>>& channels, int rate,
                                    int blockAlign)
{
    const int count = static_cast<int>(channels.size());
    const std::size_t frames = channels.front().size();
    const int perBlock = AdpcmSamplesPerBlock(blockAlign, count);
    RiffWriter format;
    format.U16(kFormatAdpcm);
    format.U16(static_cast<unsigned>(count));
    format.U32(static_cast<unsigned>(rate));
    format.U32(static_cast<unsigned>(static_cast<long long>(rate) * blockAlign / perBlock));
    format.U16(static_cast<unsigned>(blockAlign));
    format.U16(4);
    format.U16(4 + 4 * 7);  // extension: samples per block, coefficient count, coefficients
    format.U16(static_cast<unsigned>(perBlock));
    format.U16(7);
    for (const auto& [first, second] : kAdpcmCoefficients) {
        format.U16(static_cast<std::uint16_t>(first));
        format.U16(static_cast<std::uint16_t>(second));
    }
    RiffWriter fact;
    fact.U32(static_cast<unsigned>(frames));
    std::vector<std::int16_t> interleaved;
    for (std::size_t f = 0; f < frames; ++f)
        for (const auto& channel : channels)
            interleaved.push_back(ToS16(channel[f]));
    RiffWriter file;
    file.Chunk("fmt ", format.bytes());
    file.Chunk("fact", fact.bytes());
    file.Chunk("data", EncodeAdpcm(interleaved, count, blockAlign));
    return file.Riff();
}
