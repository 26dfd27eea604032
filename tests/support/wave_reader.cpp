#include "wave_reader.h"

#include <fstream>
#include <iterator>

int Le16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8);
}

namespace {

long Le32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<long>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                             static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

bool Tag(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag)
{
    return std::string(bytes.begin() + at, bytes.begin() + at + 4) == tag;
}

}  // namespace

WaveInfo ReadWave(std::span<const std::uint8_t> file)
{
    WaveInfo info;
    if (file.size() < 12 || !Tag(file, 0, "RIFF") || !Tag(file, 8, "WAVE") ||
        static_cast<std::size_t>(Le32(file, 4)) + 8 != file.size())
        return info;
    bool haveFormat = false;
    bool haveData = false;
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const auto size = static_cast<std::size_t>(Le32(file, at + 4));
        const auto body = at + 8;
        if (body + size > file.size())
            return info;
        if (Tag(file, at, "fmt ") && size >= 16) {
            info.format = Le16(file, body) & 0xFFFF;
            info.channels = Le16(file, body + 2);
            info.rate = static_cast<int>(Le32(file, body + 4));
            info.bytesPerSecond = static_cast<int>(Le32(file, body + 8));
            info.blockAlign = Le16(file, body + 12);
            info.bits = Le16(file, body + 14);
            if (size >= 18)
                info.extension.assign(file.begin() + body + 18, file.begin() + body + size);
            haveFormat = true;
        } else if (Tag(file, at, "fact") && size >= 4) {
            info.factFrames = Le32(file, body);
        } else if (Tag(file, at, "data")) {
            info.dataBytes = size;
            haveData = true;
        }
        at = body + size + size % 2;
    }
    info.valid = haveFormat && haveData;
    return info;
}

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
