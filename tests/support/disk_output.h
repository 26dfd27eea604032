#pragma once

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
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

// Makes SDL's disk driver the device, writing to a file of this program's own that is removed
// at exit; SDL reads this when the first cue opens the device.
void UseDiskAudio();

// How many bytes the driver has written so far.
std::size_t DeviceOutputSize();

// The output the driver has written since from, once the samples of the cue played last
// stand in it whole with a few buffers after them: the driver's clock runs a little slow, so
// a cue's tail may still be on its way when the call that played it returns. What is there
// at the deadline when that does not happen.
std::vector<std::uint8_t> DeviceOutputSince(std::size_t from, const std::vector<std::uint8_t>& last);

// The looping cue in output from its first start, byte for byte around its seam, until the
// click replaced it at once: silence at most two buffers long between them, and after the
// click. played is how many bytes of the loop played unbroken.
testing::AssertionResult LoopStoppedAtOnceByTheClick(const std::vector<std::uint8_t>& output,
                                                     const std::vector<std::uint8_t>& loop,
                                                     const std::vector<std::uint8_t>& click,
                                                     std::size_t& played);
