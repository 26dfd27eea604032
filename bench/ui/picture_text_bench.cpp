// One display frame of a scrolling help page, as the window pays for it: the ticks due (two
// of 10 ms in a 20 ms frame), and the repaint of the rows they changed, on Qt's off-screen
// platform. Per page of the help window, and the About box's credits at their 40 ms.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "shown_text.h"

namespace {

void WidgetFrame(benchmark::State& state)
{
    const int index = static_cast<int>(state.range(0));
    QWidget window;
    CPictureText& control = ShownText(window, index);
    QApplication::processEvents();
    const int ticksPerFrame = index == kHelpPageCount ? 1 : 2;
    for (auto _ : state) {
        control.RunTicks(ticksPerFrame);
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
