// Hint planner: the next good move of a board, following one plan from hint to hint.
#include "hintplanner.h"

#include "slidersolver.h"

std::optional<Move> HintPlanner::next(const Board& board, PuzzleMode mode, int n)
{
    if (board.isSolved(mode, n))
        return std::nullopt;
    if (mode == PuzzleMode::Slider)
        return nextSlide(board, n);
    for (int home = 0; home < n * n; ++home) {
        const Cell cell = Board::homeCell(home, n);
        if (board.at(cell) == home)
            continue;
        for (int other = home + 1; other < n * n; ++other)
            if (board.at(Board::homeCell(other, n)) == home)
                return Move{PuzzleMode::TileSwap, cell, Board::homeCell(other, n)};
    }
    return std::nullopt;
}

std::optional<Move> HintPlanner::nextSlide(const Board& board, int n)
{
    if (expected_ != board || step_ >= plan_.size()) {
        plan_ = solveSlider(board, n);
        step_ = 0;
    }
    if (step_ >= plan_.size())
        return std::nullopt;
    const Move move{PuzzleMode::Slider, {board.holeCol(), board.holeRow()}, plan_[step_++]};
    expected_ = board;
    playMove(*expected_, move, Way::Forward);
    return move;
}
