// Runs the picture-text fuzz target over the inputs named on the command line, one at a time,
// and prints the slowest input's time per tick: how long a tick can take on the worst text
// the fuzzer found.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_ticks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    double slowest = 0;
    const char* slowestName = "";
    for (int i = 1; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        g_fuzzTicks = 0;
        const auto start = std::chrono::steady_clock::now();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        if (g_fuzzTicks > 0 && took.count() / static_cast<double>(g_fuzzTicks) > slowest) {
            slowest = took.count() / static_cast<double>(g_fuzzTicks);
            slowestName = argv[i];
        }
    }
    std::printf("%d inputs; slowest per tick: %.2f us (%s)\n", argc - 1, slowest, slowestName);
    return 0;
}
