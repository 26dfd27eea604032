#pragma once

#include <cstdint>
#include <vector>

// Microsoft ADPCM (wave format 2) with the seven standard coefficient pairs.

struct AdpcmCoefficients {
    std::int16_t first;
    std::int16_t second;
};

inline constexpr AdpcmCoefficients kAdpcmCoefficients[7] = {
    {256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};

// Frames one block of `blockAlign` bytes holds for `channels` channels.
int AdpcmSamplesPerBlock(int blockAlign, int channels);

// Encodes interleaved 16-bit frames into whole blocks; a short last block is padded with
// silence. Each block and channel uses the predictor and starting step that decode closest to
// the input, so the same input always gives the same bytes.
std::vector<std::uint8_t> EncodeAdpcm(const std::vector<std::int16_t>& interleaved, int channels,
                                      int blockAlign);
