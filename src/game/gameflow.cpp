// GameFlow: the course of one game, from a fresh jumble to completion or "Solve for me".
#include "gameflow.h"

#include "gamestate.h"
#include "platform/clock.h"
#include "platform/soundplayer.h"

GameFlow::GameFlow(GameState& state, RandomEngine& random, SoundPlayer& sounds, const Clock& clock)
    : state_(state)
    , random_(random)
    , sounds_(sounds)
    , clock_(clock)
{}

PuzzleMode GameFlow::mode() const
{
    return puzzleModeFromSetting(state_.puzzleMode);
}

void GameFlow::reset()
{
    state_.selectedTile = -1;
    state_.puzzleOver = false;
    // A solving move left over from a finished game must not end the next one.
    state_.solvedByMove = false;
    state_.moves = 0;
    state_.startTime = clock_.nowSeconds();
}

void GameFlow::jumble()
{
    state_.board.jumble(mode(), state_.dimension, random_);
    reset();
}

bool GameFlow::click(Cell cell)
{
    const int n = state_.dimension;
    if (cell.col < 0 || cell.row < 0 || cell.col >= n || cell.row >= n)
        return false;
    return mode() == PuzzleMode::Slider ? slide(cell) : selectOrSwap(cell);
}

bool GameFlow::slide(Cell cell)
{
    if (!state_.board.slide(cell))
        return false;
    moved();
    if (state_.sound != 0)
        sounds_.play(Sound::Slider);
    return true;
}

bool GameFlow::selectOrSwap(Cell cell)
{
    const int tile = state_.board.at(cell);
    if (state_.selectedTile == -1) {
        state_.selectedTile = tile;
        state_.selectedCol = cell.col;
        state_.selectedRow = cell.row;
        return true;
    }
    if (state_.selectedTile != tile) {
        state_.board.swap({state_.selectedCol, state_.selectedRow}, cell);
        moved();
        if (state_.sound != 0)
            sounds_.play(Sound::Shuffle);
    }
    state_.selectedTile = -1;
    return true;
}

void GameFlow::moved()
{
    ++state_.moves;
    if (state_.board.isSolved(mode(), state_.dimension))
        state_.solvedByMove = true;
}

bool GameFlow::checkCompletion(const std::function<void()>& congratulate)
{
    if (!state_.board.isSolved(mode(), state_.dimension) || !state_.solvedByMove ||
        state_.puzzleOver)
        return false;
    state_.elapsed = clock_.nowSeconds() - state_.startTime;
    if (state_.sound != 0)
        sounds_.play(Sound::Complete);
    congratulate();
    state_.solvedByMove = false;
    state_.puzzleOver = true;
    return true;
}

void GameFlow::solveForMe()
{
    state_.selectedTile = -1;
    state_.board.fillSolved(state_.dimension);
    state_.puzzleOver = true;
}
