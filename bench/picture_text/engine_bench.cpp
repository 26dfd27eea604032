// What the picture-text engine costs without pixels: a tick, and laying out a still view, on
// each shipped text at its host's size. Text widths and picture sizes come from a stand-in
// that answers at once, so the figures are the engine's own.
#include <benchmark/benchmark.h>
#include <string_view>

#include "help/help_texts.h"
#include "picture_text/engine.h"

namespace {

class Measure : public IPictureTextMeasure {
public:
    std::optional<PictureSize> PictureSizeOf(std::string_view name) override
    {
        return PictureSize{static_cast<int>(name.size()) * 10, 30};
    }
    int TextWidth(std::string_view text, TextFont) override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(std::string_view, TextFont font) override { return CPictureTextEngine::CellHeightOf(font); }
};

// Page 0..7, or 8 for the About box's credits.
std::string Text(int index)
{
    return index < kHelpPageCount ? PageText(index, EnglishLine) : CreditsText(EnglishLine);
}

void EngineTick(benchmark::State& state)
{
    Measure measure;
    CPictureTextEngine engine(measure);
    engine.Resize(398, 221);
    engine.SetText(Text(static_cast<int>(state.range(0))), '|');
    engine.Start();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.Tick());
}
BENCHMARK(EngineTick)->DenseRange(0, 8);

void EngineStillView(benchmark::State& state)
{
    Measure measure;
    CPictureTextEngine engine(measure);
    engine.Resize(398, 221);
    engine.SetText(Text(static_cast<int>(state.range(0))), '|');
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.LayoutStill());
}
BENCHMARK(EngineStillView)->DenseRange(0, 8);

}  // namespace

BENCHMARK_MAIN();
