// The committed cue files: what the generator writes, their formats, and how they decode.

#include "assets/cues.h"
#include "ms_adpcm.h"
#include "sound/cue_bank.h"
#include "wave_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

struct CueFormat {
    int id;
    int format;  // 1 PCM, 2 Microsoft ADPCM
    int channels;
    int rate;
    double seconds;
};

constexpr CueFormat kCues[] = {
    {243, 2, 1, 8000, 2.1}, {244, 1, 1, 11025, 0.05}, {245, 2, 2, 22050, 2.5}, {246, 1, 1, 8000, 1.3}};

std::string CommittedPath(int id)
{
    return std::string(GLIMMERJIG_SOUNDS_DIR) + "/" + std::to_string(id) + ".wav";
}

// The cue decoded by SDL as the game does it, as 16-bit samples at the file's own rate.
std::vector<std::int16_t> Decode(const CueFormat& cue)
{
    const auto bytes = ReadFile(CommittedPath(cue.id));
    SDL_AudioSpec target{};
    target.format = AUDIO_S16SYS;
    target.channels = static_cast<Uint8>(cue.channels);
    target.freq = cue.rate;
    const auto decoded = DecodeWave(bytes.data(), bytes.size(), target);
    if (!decoded)
        return {};
    std::vector<std::int16_t> samples(decoded->size() / 2);
    std::memcpy(samples.data(), decoded->data(), samples.size() * 2);
    return samples;
}

std::vector<int> Channel(const std::vector<std::int16_t>& interleaved, int channels, int which)
{
    std::vector<int> out;
    for (std::size_t i = static_cast<std::size_t>(which); i < interleaved.size();
         i += static_cast<std::size_t>(channels))
        out.push_back(interleaved[i]);
    return out;
}

TEST(CueFiles, GeneratorRewritesTheCommittedFilesByteForByte)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("glimmerjig-cues-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string command = std::string(GLIMMERJIG_MAKE_CUES) + " " + folder.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const auto& cue : kCues) {
        const auto fresh = ReadFile((folder / (std::to_string(cue.id) + ".wav")).string());
        EXPECT_FALSE(fresh.empty()) << cue.id;
        EXPECT_EQ(fresh, ReadFile(CommittedPath(cue.id))) << cue.id;
    }
    std::filesystem::remove_all(folder);
}

TEST(CueFiles, CompiledBytesAreTheCommittedFilesAndOtherIdsAreEmpty)
{
    for (const auto& cue : kCues) {
        const auto compiled = CueBytes(cue.id);
        const auto* begin = reinterpret_cast<const std::uint8_t*>(compiled.data());
        EXPECT_EQ(std::vector<std::uint8_t>(begin, begin + compiled.size()),
                  ReadFile(CommittedPath(cue.id)))
            << cue.id;
    }
    EXPECT_TRUE(CueBytes(242).empty());
    EXPECT_TRUE(CueBytes(247).empty());
}

TEST(CueFiles, HeadersDescribeTheirFormats)
{
    for (const auto& cue : kCues) {
        SCOPED_TRACE(cue.id);
        const auto bytes = ReadFile(CommittedPath(cue.id));
        const WaveInfo info = ReadWave(bytes);
        ASSERT_TRUE(info.valid);
        EXPECT_EQ(info.format, cue.format);
        EXPECT_EQ(info.channels, cue.channels);
        EXPECT_EQ(info.rate, cue.rate);
        if (cue.format == 1) {
            EXPECT_EQ(info.bits, 8);
            EXPECT_EQ(info.blockAlign, cue.channels);
            EXPECT_EQ(info.bytesPerSecond, cue.rate * cue.channels);
            continue;
        }
        const int blockAlign = cue.rate == 8000 ? 256 : 1024;
        const int perBlock = (blockAlign - 7 * cue.channels) * 2 / cue.channels + 2;
        EXPECT_EQ(info.bits, 4);
        EXPECT_EQ(info.blockAlign, blockAlign);
        ASSERT_EQ(info.extension.size(), 32u);
        EXPECT_EQ(Le16(info.extension, 0), perBlock);
        ASSERT_EQ(Le16(info.extension, 2), 7);
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(Le16(info.extension, 4 + 4 * i), kAdpcmCoefficients[i].first);
            EXPECT_EQ(Le16(info.extension, 6 + 4 * i), kAdpcmCoefficients[i].second);
        }
        EXPECT_EQ(info.dataBytes % static_cast<std::size_t>(blockAlign), 0u);
        EXPECT_EQ(info.factFrames,
                  static_cast<long>(info.dataBytes / static_cast<std::size_t>(blockAlign)) * perBlock);
        EXPECT_EQ(info.bytesPerSecond, cue.rate * blockAlign / perBlock);
    }
}

TEST(CueFiles, DecodeToTheirLengthsWithoutClippingOrOffset)
{
    for (const auto& cue : kCues) {
        SCOPED_TRACE(cue.id);
        const auto samples = Decode(cue);
        ASSERT_FALSE(samples.empty());
        const double seconds = static_cast<double>(samples.size()) / cue.channels / cue.rate;
        EXPECT_NEAR(seconds, cue.seconds, cue.seconds * 0.1);
        for (int c = 0; c < cue.channels; ++c) {
            const auto channel = Channel(samples, cue.channels, c);
            int peak = 0;
            double sum = 0.0;
            for (int v : channel) {
                peak = std::max(peak, std::abs(v));
                sum += v;
            }
            EXPECT_LT(peak, 32767 * 9 / 10) << "channel " << c << " comes close to clipping";
            EXPECT_GT(peak, 32767 / 4) << "channel " << c << " is too quiet";
            EXPECT_LT(std::abs(sum / static_cast<double>(channel.size())), 32767 * 0.002);
        }
    }
}

TEST(CueFiles, LoopJoinsItsStartSmoothlyInEachChannel)
{
    const auto samples = Decode(kCues[2]);
    ASSERT_FALSE(samples.empty());
    for (int c = 0; c < 2; ++c) {
        const auto x = Channel(samples, 2, c);
        const std::size_t n = x.size();
        // The step across the seam must look like the steps on either side of it, and the
        // slope must carry on: a click shows as a jump far beyond its neighbours.
        int neighbourStep = 0;
        int neighbourBend = 0;
        for (std::size_t i = 1; i < 64; ++i) {
            neighbourStep = std::max({neighbourStep, std::abs(x[i] - x[i - 1]),
                                      std::abs(x[n - i] - x[n - i - 1])});
            neighbourBend = std::max({neighbourBend, std::abs(x[i + 1] - 2 * x[i] + x[i - 1]),
                                      std::abs(x[n - i] - 2 * x[n - i - 1] + x[n - i - 2])});
        }
        ASSERT_GT(neighbourStep, 0) << "the loop is silent at its seam in channel " << c;
        EXPECT_LE(std::abs(x[0] - x[n - 1]), neighbourStep * 3 / 2) << "channel " << c;
        EXPECT_LE(std::abs(x[0] - 2 * x[n - 1] + x[n - 2]), neighbourBend * 3 / 2) << "channel " << c;
    }
}

TEST(CueFiles, DamagedWavesDoNotDecode)
{
    const auto whole = ReadFile(CommittedPath(245));
    SDL_AudioSpec target{};
    target.format = AUDIO_S16SYS;
    target.channels = 2;
    target.freq = 48000;
    EXPECT_TRUE(DecodeWave(whole.data(), whole.size(), target).has_value());
    EXPECT_FALSE(DecodeWave(whole.data(), 40, target).has_value());
    auto wrongTag = whole;
    wrongTag[8] = 'X';
    EXPECT_FALSE(DecodeWave(wrongTag.data(), wrongTag.size(), target).has_value());
    EXPECT_FALSE(DecodeWave(nullptr, 0, target).has_value());
}

}  // namespace
