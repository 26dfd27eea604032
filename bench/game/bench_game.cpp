#include <benchmark/benchmark.h>

#include "game/board.h"
#include "game/opponent.h"

namespace {

// ChooseMove reads only the board's summary, so the boards are written there directly.
void SetSummary(const int (&heights)[10])
{
    g_board[0] = 0;
    for (int column = 1; column <= 9; ++column) {
        g_board[column] = heights[column];
        g_board[0] += heights[column] > 0 ? 1 : 0;
    }
}

// One pass over every board of the game (column c holding 0..c) that the computer can be asked
// about, at all three levels. Returns the number of choices made.
long ChooseOnEveryBoard()
{
    int heights[10] = {};
    long choices = 0;
    for (;;) {
        int column = 1;
        while (column <= 9 && heights[column] == column)
            heights[column++] = 0;
        if (column > 9)
            return choices;
        ++heights[column];
        SetSummary(heights);
        const int total = g_board[1] + g_board[2] + g_board[3] + g_board[4] + g_board[5] +
                          g_board[6] + g_board[7] + g_board[8] + g_board[9];
        if (total < 2)
            continue;
        for (int level = 1; level <= 3; ++level)
            benchmark::DoNotOptimize(ChooseMove(level));
        choices += 3;
    }
}

void BM_ChooseMoveAllBoardsAllLevels(benchmark::State& state)
{
    long choices = 0;
    for (auto _ : state)
        choices += ChooseOnEveryBoard();
    state.counters["per_choice"] =
        benchmark::Counter(static_cast<double>(choices),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ChooseMoveAllBoardsAllLevels)->Unit(benchmark::kMillisecond);

// The slowest nine-column boards at level III are those whose heights sort to
// 1 1 2 3 4 5 6 6 9: no target is reached, eight of the nine look-ahead searches find a target
// late in the eight-column table, and the last one walks all of it (found by timing every
// nine-column board; the column order does not matter).
void BM_ChooseMoveSlowestBoard(benchmark::State& state)
{
    const int heights[10] = {0, 1, 2, 3, 4, 5, 6, 1, 6, 9};
    SetSummary(heights);
    for (auto _ : state)
        benchmark::DoNotOptimize(ChooseMove(3));
}
BENCHMARK(BM_ChooseMoveSlowestBoard);

}  // namespace

BENCHMARK_MAIN();
