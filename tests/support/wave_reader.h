#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The fields of a RIFF WAVE file the cue checks look at, read independently of SDL.
struct WaveInfo {
    bool valid = false;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bytesPerSecond = 0;
    int blockAlign = 0;
    int bits = 0;
    std::vector<std::uint8_t> extension;  // bytes after the 16-byte format body and its size
    long factFrames = -1;                 // -1 without a "fact" chunk
    std::size_t dataBytes = 0;
};

WaveInfo ReadWave(std::span<const std::uint8_t> file);
std::vector<std::uint8_t> ReadFile(const std::string& path);
int Le16(std::span<const std::uint8_t> bytes, std::size_t at);
