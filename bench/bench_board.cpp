// Benchmarks of the board: jumbling the largest board in either mode, and the first hint.
#include "game/board.h"
#include "game/hintplanner.h"
#include "platform/randomengine.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {
void jumble(benchmark::State& run, PuzzleMode mode)
{
    RandomEngine random(12345);
    Board board(mode, Board::MaxDimension);
    for (auto _ : run) {
        board.jumble(random);
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
// The first hint on each of 100 slider jumbles of the size range(0), which plans the whole
// solution: the median and the worst, in milliseconds.
void BM_FirstSliderHint(benchmark::State& run)
{
    const int n = static_cast<int>(run.range(0));
    RandomEngine random(2027);
    std::vector<Board> jumbles(100, Board(PuzzleMode::Slider, n));
    for (Board& board : jumbles)
        board.jumble(random);
    std::vector<double> latencies;
    for (auto _ : run) {
        latencies.clear();
        for (const Board& board : jumbles) {
            HintPlanner planner;
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(planner.next(board));
            latencies.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(latencies.begin(), latencies.end());
    run.counters["median_ms"] = latencies[latencies.size() / 2];
    run.counters["worst_ms"] = latencies.back();
}
} // namespace

BENCHMARK(BM_FirstSliderHint)->DenseRange(3, 10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JumbleSlider10x10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JumbleTileSwap10x10)->Unit(benchmark::kMicrosecond);
