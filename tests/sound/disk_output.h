#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What SDL's disk driver writes: 16-bit stereo frames at 48 kHz, in buffers of 240 frames.
inline constexpr std::size_t kFrameBytes = 4;
inline constexpr std::size_t kBufferBytes = 240 * kFrameBytes;

// The cue's samples as they reach the device.
std::vector<std::uint8_t> DeviceSamples(int id);

// Where needle first occurs in haystack at or after from; haystack.size() when it does not.
std::size_t Find(const std::vector<std::uint8_t>& haystack, const std::vector<std::uint8_t>& needle,
                 std::size_t from = 0);

bool Silent(const std::vector<std::uint8_t>& bytes, std::size_t begin, std::size_t end);
