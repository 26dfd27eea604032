// Writes the fuzz targets' seed inputs into DIR/picture_text and DIR/launch_url: each shipped
// text at its host's size, scrolled through a pass, paused, stopped and laid out still; and
// the two targets the game hands to the desktop.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

#include "base/product.h"
#include "help/help_texts.h"
#include "launch/launch_url.h"

namespace {

void Write(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Two size bytes, the text, a NUL, then: set it, start, ticks, pause, resume, ticks, a
// still view, stop, a still view.
std::string PictureTextSeed(std::string_view text, int width, int height)
{
    std::string seed{static_cast<char>(width / 2), static_cast<char>(height / 2)};
    seed += text;
    seed += '\0';
    const unsigned char ops[] = {0, 4, 8, 255, 8, 255, 8, 255, 8, 255, 8, 255, 8, 255, 5, 0, 0xFF, 5, 1, 8, 60, 6, 0xFF};
    seed.append(reinterpret_cast<const char*>(ops), sizeof ops);
    return seed;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::filesystem::create_directories(dir / "picture_text");
    std::filesystem::create_directories(dir / "launch_url");
    // The English texts, and the same with letters outside ASCII in every line of text.
    const LineTranslator accented = [](const char*, const std::string& english) { return "Źródło " + english; };
    for (const auto& [code, translate] : {std::pair{"en", LineTranslator(EnglishLine)}, std::pair{"pl", accented}}) {
        for (int n = 0; n < kHelpPageCount; ++n)
            Write(dir / "picture_text" / (std::string(code) + "_page" + std::to_string(n)),
                  PictureTextSeed(PageText(n, translate), 398, 221));
        Write(dir / "picture_text" / (std::string(code) + "_credits"), PictureTextSeed(CreditsText(translate), 176, 206));
    }
    Write(dir / "launch_url" / "mail", MailTarget());
    Write(dir / "launch_url" / "web", kWebHost);
    return 0;
}
