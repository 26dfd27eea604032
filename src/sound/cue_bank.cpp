#include "sound/cue_bank.h"

#include "assets/cues.h"

#include <cstring>

std::optional<std::vector<std::uint8_t>> DecodeWave(const void* bytes, std::size_t size,
                                                    const SDL_AudioSpec& target)
{
    if (bytes == nullptr || size == 0)
        return std::nullopt;
    SDL_AudioSpec source{};
    Uint8* decoded = nullptr;
    Uint32 length = 0;
    SDL_RWops* stream = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    if (stream == nullptr || SDL_LoadWAV_RW(stream, 1, &source, &decoded, &length) == nullptr)
        return std::nullopt;

    SDL_AudioCVT cvt;
    const int built = SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq,
                                        target.format, target.channels, target.freq);
    std::optional<std::vector<std::uint8_t>> result;
    if (built >= 0) {
        std::vector<std::uint8_t> samples(static_cast<std::size_t>(length) *
                                          static_cast<std::size_t>(cvt.len_mult));
        std::memcpy(samples.data(), decoded, length);
        cvt.buf = samples.data();
        cvt.len = static_cast<int>(length);
        if (built == 0 || SDL_ConvertAudio(&cvt) == 0) {
            samples.resize(built == 0 ? length : static_cast<std::size_t>(cvt.len_cvt));
            if (!samples.empty())
                result = std::move(samples);
        }
    }
    SDL_FreeWAV(decoded);
    return result;
}

const std::vector<std::uint8_t>* CueBank::Find(int id)
{
    auto found = cues_.find(id);
    if (found == cues_.end()) {
        const auto bytes = CueBytes(id);
        found = cues_.emplace(id, DecodeWave(bytes.data(), bytes.size(), device_)).first;
    }
    return found->second ? &*found->second : nullptr;
}
