#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// A cue found in what a sound server's sink received: interleaved 16-bit stereo at 48 kHz,
// as the device was given it, up to the server's format conversion.
struct CueMatch {
    std::size_t frame = 0;     // where the cue starts in the recording
    double correlation = 0.0;  // normalised cross-correlation over the cue's whole length
};

// The cue's samples (interleaved) as the device gets them.
std::vector<std::int16_t> CueSamples(int id);

// Where the cue plays whole in the recording, its first sound at or after frame from: the
// alignment of best correlation near where the first sounds of both stand. Nothing when the
// recording holds no sound there or ends before the cue would.
std::optional<CueMatch> FindCue(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& cue,
                                std::size_t from);

// The first frame at or after from that is not silent; the frame count when none is.
std::size_t FirstSound(const std::vector<std::int16_t>& samples, std::size_t from);
