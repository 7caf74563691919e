// Benchmarks of the board: jumbling the largest board in either mode, and the hints.
#include "game/board.h"
#include "game/hintplanner.h"
#include "game/movehistory.h"
#include "platform/randomengine.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
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
double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Every hint on each of 100 slider jumbles of the size range(0), played until solved: the
// first, which plans the whole solution, and the later ones, each at its median and worst
// in milliseconds; and the hints a game takes, on average.
void BM_SliderHints(benchmark::State& run)
{
    const int n = static_cast<int>(run.range(0));
    RandomEngine random(2027);
    std::vector<Board> jumbles(100, Board(PuzzleMode::Slider, n));
    for (Board& board : jumbles)
        board.jumble(random);
    std::vector<double> first;
    std::vector<double> later;
    double hints = 0;
    for (auto _ : run) {
        for (Board board : jumbles) {
            HintPlanner planner;
            for (bool planned = false;; planned = true) {
                const auto start = std::chrono::steady_clock::now();
                const std::optional<Move> move = planner.next(board);
                (planned ? later : first).push_back(millisecondsSince(start));
                if (!move)
                    break;
                playMove(board, *move, Way::Forward);
                ++hints;
            }
        }
    }
    const auto counters = [&run](std::vector<double>& latencies, const std::string& name) {
        std::sort(latencies.begin(), latencies.end());
        run.counters[name + "_median_ms"] = latencies[latencies.size() / 2];
        run.counters[name + "_worst_ms"] = latencies.back();
    };
    counters(first, "first");
    counters(later, "later");
    run.counters["hints_per_game"] = hints / static_cast<double>(jumbles.size());
}

// The hints that solve each 4 x 4 board of the test set against its fewest one-tile slides:
// the share on the whole set and on its worst board.
void BM_FourByFourHintsAgainstShortest(benchmark::State& run)
{
    std::ifstream set(TW_FOUR_BY_FOUR_SET);
    std::vector<std::pair<Board, int>> boards;
    for (std::string line; std::getline(set, line);) {
        std::istringstream numbers(line);
        std::vector<int> tiles(16);
        int shortest = 0;
        if (line.starts_with('#') || !(numbers >> tiles[0]))
            continue;
        for (int i = 1; i < 16; ++i)
            numbers >> tiles[static_cast<size_t>(i)];
        numbers >> shortest;
        if (const std::optional<Board> board = Board::fromTiles(PuzzleMode::Slider, 4, tiles))
            boards.emplace_back(*board, shortest);
    }
    if (boards.empty()) {
        run.SkipWithError("no boards in " TW_FOUR_BY_FOUR_SET);
        return;
    }
    double hints = 0;
    double shortest = 0;
    double worst = 0;
    for (auto _ : run) {
        for (auto [board, fewest] : boards) {
            HintPlanner planner;
            int taken = 0;
            while (const std::optional<Move> move = planner.next(board)) {
                playMove(board, *move, Way::Forward);
                ++taken;
            }
            hints += taken;
            shortest += fewest;
            worst = std::max(worst, taken / static_cast<double>(fewest));
        }
    }
    run.counters["boards"] = static_cast<double>(boards.size());
    run.counters["share_of_shortest"] = hints / shortest;
    run.counters["worst_share"] = worst;
}
} // namespace

BENCHMARK(BM_SliderHints)->DenseRange(3, 10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FourByFourHintsAgainstShortest)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JumbleSlider10x10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JumbleTileSwap10x10)->Unit(benchmark::kMicrosecond);
