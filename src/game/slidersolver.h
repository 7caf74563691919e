// Slider solver: the slides that bring a slider board home, for the hints.
#pragma once

#include "board.h"

#include <array>
#include <vector>

// The cells to click, one tile slid into the hole per click, that leave every tile home and the
// hole in the bottom-right corner. Empty for a board already there or one without a hole.
// 3 x 3 boards get a shortest solution. 4 x 4 boards get one when the search finds it within
// FourByFourNodeBudget positions (about a tenth of a second), else the first found with the
// next of FourByFourWeights, in quarters, on its estimate: a solution at most that many
// quarters of the shortest, found in far fewer positions.
// Larger boards are brought home row and column by row and column down to their last 3 x 3, which
// is then solved shortest, so every size finishes in a few milliseconds.
std::vector<Cell> solveSlider(const Board& board);

constexpr long FourByFourNodeBudget = 350'000;
constexpr std::array<int, 2> FourByFourWeights{4, 6};
