// One display frame of a scrolling help page, as the window pays for it: the ticks due (two
// of 10 ms in a 20 ms frame), and the repaint of the rows they changed, on Qt's off-screen
// platform. Per page of the help window, and the About box's credits at their 40 ms.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "help/help_texts.h"
#include "ui/dialog_units.h"
#include "ui/picture_text.h"

namespace {

void WidgetFrame(benchmark::State& state)
{
    const int index = static_cast<int>(state.range(0));
    const bool credits = index == kHelpPageCount;
    QWidget window;
    auto* control = new CPictureText(&window);
    control->resize(credits ? QSize(dlu::X(124) - 10, dlu::Y(133) - 10) : QSize(dlu::X(265), dlu::Y(136)));
    control->SetText(credits ? std::string_view(CreditsText()) : HelpPageTexts()[static_cast<std::size_t>(index)].text, '|');
    control->SetColor(kKeyColour, Rgb(255, 0, 255));
    control->SetColor(kLargeColour, Rgb(0, 0, 100));
    control->SetColor(kPlainColour, Rgb(0, 0, 255));
    control->SetBackground(credits ? "Backi2" : "Backi1");
    control->Start();
    control->SetRunning(false);  // the benchmark gives the ticks
    window.show();
    QApplication::processEvents();
    const int ticksPerFrame = credits ? 1 : 2;
    for (auto _ : state) {
        control->RunTicks(ticksPerFrame);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WidgetFrame)->DenseRange(0, kHelpPageCount)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
