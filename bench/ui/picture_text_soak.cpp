// One simulated hour of ticks (360,000 at 10 ms) on every help page and on the credits, in
// frames of two ticks each repainted, on Qt's off-screen platform; resident memory after the
// first tenth and at the end of each, which should not grow.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "help/help_texts.h"
#include "ui/dialog_units.h"
#include "ui/picture_text.h"

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
        const bool credits = index == kHelpPageCount;
        QWidget window;
        auto* control = new CPictureText(&window);
        control->resize(credits ? QSize(dlu::X(124) - 10, dlu::Y(133) - 10) : QSize(dlu::X(265), dlu::Y(136)));
        control->SetText(credits ? std::string_view(CreditsText()) : HelpPageTexts()[static_cast<std::size_t>(index)].text, '|');
        control->SetColor(kKeyColour, Rgb(255, 0, 255));
        control->SetBackground(credits ? "Backi2" : "Backi1");
        control->Start();
        control->SetRunning(false);  // the soak gives the ticks
        window.show();
        long early = 0;
        for (int tick = 0; tick < kTicks; tick += 2) {
            control->RunTicks(2);
            QApplication::processEvents();
            if (tick == kTicks / 10)
                early = ResidentKb();
        }
        const long late = ResidentKb();
        const std::string name = credits ? "credits" : "page " + std::to_string(index);
        std::printf("%-12s %9ld kB %9ld kB %5ld kB\n", name.c_str(), early, late, late - early);
        std::fflush(stdout);
    }
    return 0;
}
