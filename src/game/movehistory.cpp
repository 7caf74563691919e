// Move history: the moves of one game, to take back and make again, and the jumble it began
// from.
#include "movehistory.h"

bool playMove(Board& board, const Move& move, Way way)
{
    if (move.mode == PuzzleMode::Slider)
        return board.slide(way == Way::Forward ? move.to : move.from);
    board.swap(move.from, move.to);
    return true;
}

namespace {
// Plays the last move of one list and hands it to the other.
std::optional<Move> transfer(std::vector<Move>& from, std::vector<Move>& to, Board& board, Way way)
{
    if (from.empty())
        return std::nullopt;
    const Move move = from.back();
    from.pop_back();
    playMove(board, move, way);
    to.push_back(move);
    return move;
}
} // namespace

std::optional<Board> takenBack(Board board, const std::vector<Move>& moves)
{
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        if (!board.contains(move->from) || !board.contains(move->to) || move->from == move->to)
            return std::nullopt;
        const bool slider = move->mode == PuzzleMode::Slider;
        if (board.hasHole() != slider ||
            (slider && Cell{board.holeCol(), board.holeRow()} != move->to) ||
            !playMove(board, *move, Way::Back))
            return std::nullopt;
    }
    return board;
}

void MoveHistory::begin(const Board& jumbled, std::vector<Move> done)
{
    jumbled_ = jumbled;
    forget();
    done_ = std::move(done);
}

void MoveHistory::forget()
{
    done_.clear();
    undone_.clear();
}

void MoveHistory::record(const Move& move)
{
    done_.push_back(move);
    undone_.clear();
}

std::optional<Move> MoveHistory::undo(Board& board)
{
    return transfer(done_, undone_, board, Way::Back);
}

std::optional<Move> MoveHistory::redo(Board& board)
{
    return transfer(undone_, done_, board, Way::Forward);
}
