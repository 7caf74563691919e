// Move history: the moves of one game, to take back and make again, and the jumble it began
// from.
#include "movehistory.h"

namespace {
// Moves the tiles so that the board shows the move made (towards true) or taken back.
void play(Board& board, const Move& move, bool forward)
{
    if (move.mode == PuzzleMode::Slider)
        board.slide(forward ? move.to : move.from);
    else
        board.swap(move.from, move.to);
}

// Plays the last move of one list and hands it to the other.
std::optional<Move> transfer(std::vector<Move>& from, std::vector<Move>& to, Board& board,
                             bool forward)
{
    if (from.empty())
        return std::nullopt;
    const Move move = from.back();
    from.pop_back();
    play(board, move, forward);
    to.push_back(move);
    return move;
}
} // namespace

std::optional<Board> takenBack(Board board, const std::vector<Move>& moves, int n)
{
    const auto inside = [n](Cell cell) {
        return cell.col >= 0 && cell.row >= 0 && cell.col < n && cell.row < n;
    };
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        if (!inside(move->from) || !inside(move->to) || move->from == move->to)
            return std::nullopt;
        if (move->mode == PuzzleMode::Slider) {
            if (!board.hasHole() || Cell{board.holeCol(), board.holeRow()} != move->to ||
                !board.slide(move->from))
                return std::nullopt;
        } else if (board.hasHole()) {
            return std::nullopt;
        } else {
            board.swap(move->from, move->to);
        }
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
    return transfer(done_, undone_, board, false);
}

std::optional<Move> MoveHistory::redo(Board& board)
{
    return transfer(undone_, done_, board, true);
}
