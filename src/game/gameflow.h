// GameFlow: the course of one game, from a fresh jumble to completion or "Solve for me".
#pragma once

#include "board.h"
#include "hintplanner.h"
#include "movehistory.h"

#include <cstdint>
#include <functional>
#include <optional>

struct PlayerSettings;
class Clock;
class RandomEngine;
class SoundPlayer;

// Where a game's counters stop: far beyond any game played by hand, well within the
// stored numbers, so no counter can overflow and a kept game past them is a damaged one.
constexpr int MaxMoves = 10'000'000;
// The most moves a kept game keeps to take back: the latest ones.
constexpr int MaxKeptMoves = 10'000;
constexpr std::int64_t MaxGameSeconds = std::int64_t{100} * 24 * 3600; // 100 days

// What a player sees of a game: its moves and the seconds it has taken.
struct GameFigures {
    int moves = 0;
    std::int64_t seconds = 0;
    friend bool operator==(const GameFigures&, const GameFigures&) = default;
};

// A game left before its end, as it is kept and taken up again.
struct UnfinishedGame {
    Board board;
    Board jumbled; // the arrangement a restart goes back to
    int moves = 0;
    std::int64_t elapsed = 0;
    int hints = 0;
    std::vector<Move> history = {}; // the latest moves to take back, oldest first
    friend bool operator==(const UnfinishedGame&, const UnfinishedGame&) = default;
};

// The game under way: its board, the tile-swap selection and its counters.
struct Round {
    Board board;
    std::optional<Cell> selected; // the tile-swap tile waiting for its partner
    int moves = 0;
    int hints = 0;              // a game with any never goes on the scoreboard
    std::int64_t startTime = 0; // seconds of the monotonic clock
    std::int64_t elapsed = 0;   // seconds, fixed at completion
    bool solvedByMove = false;
    bool puzzleOver = false;

    // Solved by a move, or left solved by the end of the game: the picture shows whole.
    bool finished() const { return (solvedByMove || puzzleOver) && board.isSolved(); }
};

// Turns clicks on cells into moves, counts them, plays their sounds and recognises the move
// that completes the picture. Holds references only; all of them must outlive it.
class GameFlow {
public:
    GameFlow(const PlayerSettings& settings, RandomEngine& random, SoundPlayer& sounds,
             const Clock& clock);

    const Round& round() const { return round_; }

    // A new game on the current board: no selection, no moves to take back, the clock
    // restarted. The board is what a restart goes back to.
    void reset();
    // A new arrangement for the size and mode the settings hold, then a reset.
    void jumble();

    // A left click on a cell of the board. True when the board or the selection changed
    // and must be repainted before checkCompletion() runs.
    bool click(Cell cell);
    // Lets go of the tile-swap tile waiting for its partner; false when none was.
    bool dropSelection();

    // After the repaint of a click: when a move has just solved the board of a game still
    // running, fixes the time, plays the fanfare, calls congratulate (which may show a
    // modal dialog) and ends the game. True when that happened.
    bool checkCompletion(const std::function<void()>& congratulate);

    // Puts every tile home and ends the game without a score.
    void solveForMe();

    // Takes back the last move, or makes the last one taken back again, with its sound.
    // False when there is none. A move made again may solve the board: run
    // checkCompletion() after the repaint, as after a click.
    bool undo();
    bool redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    bool canHint() const { return !round_.puzzleOver; }
    // Makes the next move of a solution, as a move of the player's own with its count,
    // sound and undo, and counts the hint. False when the game is over or the board solved.
    // Like a click, it may solve the board: run checkCompletion() after the repaint.
    bool hint();
    // The game's own jumble again, as a new game.
    void restart();

    // Live while the game runs; the figures of its end once it is over. The seconds are
    // never negative nor above MaxGameSeconds, the moves never above MaxMoves.
    GameFigures figures() const;
    // A move made and the game neither over nor won by its last move.
    bool underWay() const
    {
        return round_.moves >= 1 && !round_.puzzleOver && !round_.solvedByMove;
    }
    // The game, when one is under way.
    std::optional<UnfinishedGame> unfinished() const;
    // Takes a kept game up again: its mode, size, board, moves to take back and hints, and
    // the clock running on from the seconds it had taken. The caller sets the settings to its mode
    // and size.
    void resume(const UnfinishedGame& game);

private:
    bool slide(Cell cell);
    bool selectOrSwap(Cell cell);
    void made(const Move& move);
    void counted(const Move& move);
    void playSound(const Move& move);
    std::int64_t secondsSoFar() const;

    const PlayerSettings& settings_;
    RandomEngine& random_;
    SoundPlayer& sounds_;
    const Clock& clock_;
    Round round_;
    MoveHistory history_;
    HintPlanner hints_;
    std::optional<GameFigures> final_;
};
