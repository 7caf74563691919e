// Benchmarks of the board: jumbling the largest board in either mode.
#include "game/board.h"
#include "platform/randomengine.h"

#include <benchmark/benchmark.h>

namespace {
void jumble(benchmark::State& run, PuzzleMode mode)
{
    RandomEngine random(12345);
    Board board;
    for (auto _ : run) {
        board.jumble(mode, Board::MaxDimension, random);
        benchmark::DoNotOptimize(board);
    }
}

void BM_JumbleSlider10x10(benchmark::State& run)
{
    jumble(run, PuzzleMode::Slider);
}

void BM_JumbleTileSwap10x10(benchmark::State& run)
{
    jumble(run, PuzzleMode::TileSwap);
}
} // namespace

BENCHMARK(BM_JumbleSlider10x10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JumbleTileSwap10x10)->Unit(benchmark::kMicrosecond);
