// Writes the four cue wave files 243.wav .. 246.wav into the folder given as the argument.
// The output depends on nothing but this program, so a second run writes the same bytes.

#include "cue_scores.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "make_cues: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_cues <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool written = Write(folder + "/243.wav", FanfareWave()) &&
                         Write(folder + "/244.wav", ClickWave()) &&
                         Write(folder + "/245.wav", TuneWave()) &&
                         Write(folder + "/246.wav", LoseWave());
    return written ? 0 : 1;
}
