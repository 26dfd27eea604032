// One simulated hour of ticks (360,000 at 10 ms) on every help page and on the credits, in
// frames of two ticks each repainted, on Qt's off-screen platform; resident memory after the
// first tenth and at the end of each, which should not grow.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "shown_text.h"

namespace {

constexpr int kTicks = 360000;

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    std::printf("%-12s %12s %12s %8s\n", "text", "RSS at 10%", "RSS at 100%", "growth");
    for (int index = 0; index <= kHelpPageCount; ++index) {
        QWidget window;
        CPictureText& control = ShownText(window, index);
        long early = 0;
        for (int tick = 0; tick < kTicks; tick += 2) {
            control.RunTicks(2);
            QApplication::processEvents();
            if (tick == kTicks / 10)
                early = ResidentKb();
        }
        const long late = ResidentKb();
        const std::string name = index == kHelpPageCount ? "credits" : "page " + std::to_string(index);
        std::printf("%-12s %9ld kB %9ld kB %5ld kB\n", name.c_str(), early, late, late - early);
        std::fflush(stdout);
    }
    return 0;
}
