// Slide search: shortest (or nearly shortest) slides for a 4 x 4 board.
#pragma once

#include "board.h"

#include <optional>
#include <vector>

// The cells next to a cell of a k x k board.
template <typename Visit> void forNeighbours(int cell, int k, Visit visit)
{
    const int row = cell / k;
    const int col = cell % k;
    if (row > 0)
        visit(cell - k);
    if (row < k - 1)
        visit(cell + k);
    if (col > 0)
        visit(cell - 1);
    if (col < k - 1)
        visit(cell + 1);
}

// One try of the search: the weight of its estimate in quarters (4 gives a shortest
// solution, more a longer one found in far fewer positions, at most that many quarters of the
// shortest) and the most positions it may visit.
struct SearchTry {
    int weight;
    long budget;
};
constexpr long UnlimitedPositions = 1L << 40;

// The slides, one tile each, that bring a 4 x 4 board home: tiles in reading order,
// Board::Hole the hole. The tries are made in turn until one finds a solution; nothing when
// none does.
std::optional<std::vector<Cell>> searchFourByFour(const std::vector<int>& tiles,
                                                  const std::vector<SearchTry>& tries);
