#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// The cues decoded from their wave files and converted to the device's format, each once for
// the life of the bank. A cue that does not decode stays absent.
class CueBank {
public:
    explicit CueBank(const SDL_AudioSpec& device) : device_(device) {}

    // nullptr when the cue cannot be decoded or converted. The samples stay put while the
    // bank lives.
    const std::vector<std::uint8_t>* Find(int id);

private:
    SDL_AudioSpec device_;
    std::map<int, std::optional<std::vector<std::uint8_t>>> cues_;
};

// Decodes a complete wave file with SDL and converts it exactly, to its last frame, into the
// given format.
std::optional<std::vector<std::uint8_t>> DecodeWave(const void* bytes, std::size_t size,
                                                    const SDL_AudioSpec& target);
