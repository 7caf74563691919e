// Hint planner: the next good move of a board, following one plan from hint to hint.
#pragma once

#include "movehistory.h"

#include <optional>
#include <vector>

// The slider follows a solution planned for the board as it stood at the first hint, kept for
// as long as the board stands where the plan has brought it, so hint after hint reaches the
// solved board and never goes round in circles; any other board is planned afresh. In tile
// swap every hint puts one tile home: the tile that belongs in the first cell, in reading
// order, that does not hold its own. That always leaves one swap fewer to go.
class HintPlanner {
public:
    // Nothing for a solved board.
    std::optional<Move> next(const Board& board);

private:
    std::optional<Move> nextSlide(const Board& board);

    std::vector<Cell> plan_;
    std::size_t step_ = 0;
    std::optional<Board> expected_; // where the plan's next step starts from
};
