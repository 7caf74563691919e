// Slider solver: the slides that bring a slider board home, for the hints.
#pragma once

#include "board.h"

#include <array>
#include <vector>

// The cells to click, each one move of the game that slides one tile or several in a line
// into the hole, that leave every tile home and the hole in the bottom-right corner. Empty
// for a board already there or one without a hole. 3 x 3 boards get the fewest moves there
// are. 4 x 4 boards get a shortest solution in one-tile slides when the search finds it within
// FourByFourNodeBudget positions (about a tenth of a second), else the first found with the
// next of FourByFourWeights, in quarters, on its estimate (at most that many quarters of the
// shortest, found in far fewer positions); its slides running on in a line are one move.
// Larger boards are brought home row and column by row and column down to their last 3 x 3,
// which then takes the fewest moves, so every size finishes in a few milliseconds.
std::vector<Cell> solveSlider(const Board& board);

constexpr long FourByFourNodeBudget = 350'000;
constexpr std::array<int, 2> FourByFourWeights{4, 6};
