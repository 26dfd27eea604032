#pragma once

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

// What SDL's disk driver writes: 16-bit stereo frames at 48 kHz, in buffers of 240 frames,
// or 1024 while the loop plays.
inline constexpr std::size_t kFrameBytes = 4;
inline constexpr std::size_t kBufferBytes = 240 * kFrameBytes;
inline constexpr std::size_t kLoopBufferBytes = 1024 * kFrameBytes;
// How far the device may write on after a cue was played, ending what played before it: the
// buffer being filled, the one the stop falls into, and two that the collecting thread may
// not yet have read when the test looked.
inline constexpr std::size_t kStopBytes = 4 * kLoopBufferBytes;

// The cue's samples as they reach the device.
std::vector<std::uint8_t> DeviceSamples(int id);

// Where needle first occurs in haystack at or after from; haystack.size() when it does not.
std::size_t Find(const std::vector<std::uint8_t>& haystack, const std::vector<std::uint8_t>& needle,
                 std::size_t from = 0);

bool Silent(const std::vector<std::uint8_t>& bytes, std::size_t begin, std::size_t end);

// Makes SDL's disk driver the device, writing to a pipe of this program's own that a thread
// collects and that is removed at exit; SDL reads this when the first cue opens the device.
void UseDiskAudio();

// How many bytes the driver has written so far, over every open of the device.
std::size_t DeviceOutputSize();

// Waits until the driver has written count bytes in all; false at the deadline.
bool DeviceWrites(std::size_t count);

// Waits until samples stand whole in what the driver wrote since from, with after bytes
// written after them; false at the deadline. output, if given, receives what was written.
bool DeviceWritesWhole(std::size_t from, const std::vector<std::uint8_t>& samples, std::size_t after,
                       std::vector<std::uint8_t>* output = nullptr);

// The output the driver has written since from, once the samples of the cue played last
// stand in it whole with a few buffers after them: the driver's clock runs a little slow, so
// a cue's tail may still be on its way when the call that played it returns. What is there
// at the deadline when that does not happen.
std::vector<std::uint8_t> DeviceOutputSince(std::size_t from, const std::vector<std::uint8_t>& last);

// The looping cue in output from its first start, byte for byte around its seams, until the
// click replaced it at once: the loop ends within kStopBytes of stoppedAt (where the output
// stood when the click was played), silence at most that long lies between them, and silence
// after the click. end is where the loop stopped in output.
testing::AssertionResult LoopStoppedAtOnceByTheClick(const std::vector<std::uint8_t>& output,
                                                     const std::vector<std::uint8_t>& loop,
                                                     const std::vector<std::uint8_t>& click,
                                                     std::size_t stoppedAt, std::size_t& end);
