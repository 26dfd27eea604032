#pragma once

#include <cstdint>
#include <vector>

// Complete RIFF WAVE files, little-endian throughout.

// 8-bit unsigned PCM from samples in -1..1.
std::vector<std::uint8_t> Pcm8Wave(const std::vector<double>& mono, int rate);

// Microsoft ADPCM from one vector per channel in -1..1, with the coefficient table in the
// format chunk and a "fact" chunk giving the frame count.
std::vector<std::uint8_t> AdpcmWave(const std::vector<std::vector<double>>& channels, int rate,
                                    int blockAlign);
