// GameFlow: the course of one game, from a fresh jumble to completion or "Solve for me".
#pragma once

#include "board.h"

#include <functional>

struct GameState;
class Clock;
class RandomEngine;
class SoundPlayer;

// Turns clicks on cells into moves, counts them, plays their sounds and recognises the move
// that completes the picture. Holds references only; all of them must outlive it.
class GameFlow {
public:
    GameFlow(GameState& state, RandomEngine& random, SoundPlayer& sounds, const Clock& clock);

    // A new game on the current board: no selection, no moves, the clock restarted.
    void reset();
    // A new arrangement for the current size and mode, then a reset.
    void jumble();

    // A left click on a cell of the board. True when the board or the selection changed
    // and must be repainted before checkCompletion() runs.
    bool click(Cell cell);

    // After the repaint of a click: when a move has just solved the board of a game still
    // running, fixes the time, plays the fanfare, calls congratulate (which may show a
    // modal dialog) and ends the game. True when that happened.
    bool checkCompletion(const std::function<void()>& congratulate);

    // Puts every tile home and ends the game without a score.
    void solveForMe();

    PuzzleMode mode() const;

private:
    bool slide(Cell cell);
    bool selectOrSwap(Cell cell);
    void moved();

    GameState& state_;
    RandomEngine& random_;
    SoundPlayer& sounds_;
    const Clock& clock_;
};
