// Hint planner: the next good move of a board, following one plan from hint to hint.
#include "hintplanner.h"

#include "slidersolver.h"

std::optional<Move> HintPlanner::next(const Board& board)
{
    if (board.isSolved())
        return std::nullopt;
    if (board.mode() == PuzzleMode::Slider)
        return nextSlide(board);
    for (int home = 0; home < board.cellCount(); ++home) {
        const Cell cell = board.homeCell(home);
        if (board.at(cell) == home)
            continue;
        for (int other = home + 1; other < board.cellCount(); ++other)
            if (board.at(board.homeCell(other)) == home)
                return Move{PuzzleMode::TileSwap, cell, board.homeCell(other)};
    }
    return std::nullopt;
}

std::optional<Move> HintPlanner::nextSlide(const Board& board)
{
    if (expected_ != board || step_ >= plan_.size()) {
        plan_ = solveSlider(board);
        step_ = 0;
    }
    if (step_ >= plan_.size())
        return std::nullopt;
    const Move move{PuzzleMode::Slider, {board.holeCol(), board.holeRow()}, plan_[step_++]};
    expected_ = board;
    playMove(*expected_, move, Way::Forward);
    return move;
}
