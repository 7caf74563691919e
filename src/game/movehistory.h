// Move history: the moves of one game, to take back and make again, and the jumble it began
// from.
#pragma once

#include "board.h"

#include <optional>
#include <vector>

// A move as the board made it. A slide goes from the hole's cell to the clicked one, so
// sliding back at the first takes it back; a swap exchanges the two cells either way.
struct Move {
    PuzzleMode mode = PuzzleMode::TileSwap;
    Cell from;
    Cell to;
    friend bool operator==(const Move&, const Move&) = default;
};

enum class Way { Forward, Back };
// Makes the move on the board, or takes it back; false when a slide finds no tile in line
// with the hole.
bool playMove(Board& board, const Move& move, Way way);

// The board once the moves are taken back, from the last to the first; nothing when one of
// them is not a move the board can take back in turn. A slide needs the hole where it went
// and a tile in line with it; a swap, two cells of a board without a hole.
std::optional<Board> takenBack(Board board, const std::vector<Move>& moves);

class MoveHistory {
public:
    // A new game from this arrangement: no moves yet, or the moves made so far, oldest first.
    void begin(const Board& jumbled, std::vector<Move> done = {});
    // No moves to take back or make again; the jumble stays for a restart.
    void forget();
    // A move just made; whatever was taken back can no longer be made again.
    void record(const Move& move);
    // Takes the last move back on the board; nothing when there is none.
    std::optional<Move> undo(Board& board);
    // Makes the last move taken back again; nothing when there is none.
    std::optional<Move> redo(Board& board);

    const Board& jumbled() const { return jumbled_; }
    // The moves that Undo takes back, oldest first.
    const std::vector<Move>& done() const { return done_; }
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }

private:
    Board jumbled_;
    std::vector<Move> done_;
    std::vector<Move> undone_;
};
