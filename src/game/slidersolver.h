// Slider solver: the slides that bring a slider board home, for the hints.
#pragma once

#include "board.h"

#include <vector>

// The cells to click, one tile slid into the hole per click, that leave every tile home and the
// hole in the bottom-right corner. Empty for a board already there or one without a hole.
// 3 x 3 boards get a shortest solution. 4 x 4 boards get one when the search finds it within
// FourByFourNodeBudget positions, else one at most FourByFourWeight quarters of the shortest.
// Larger boards are brought home row and column by row and column down to their last 3 x 3, which
// is then solved shortest, so every size finishes in a few milliseconds.
std::vector<Cell> solveSlider(const Board& board, int n);

constexpr long FourByFourNodeBudget = 500'000;
constexpr int FourByFourWeight = 6;
