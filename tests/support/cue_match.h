#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The cue's samples (interleaved) as the device gets them.
std::vector<std::int16_t> CueSamples(int id);

// The first frame at or after from that is not silent; the frame count when none is.
std::size_t FirstSound(const std::vector<std::int16_t>& samples, std::size_t from);
