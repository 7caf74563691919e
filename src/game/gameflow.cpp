// GameFlow: the course of one game, from a fresh jumble to completion or "Solve for me".
#include "gameflow.h"

#include "gamestate.h"
#include "platform/clock.h"
#include "platform/soundplayer.h"

#include <algorithm>

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
    history_.begin(state_.board);
    final_.reset();
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
    const Cell hole{state_.board.holeCol(), state_.board.holeRow()};
    if (!state_.board.slide(cell))
        return false;
    made({PuzzleMode::Slider, hole, cell});
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
        const Cell selected{state_.selectedCol, state_.selectedRow};
        state_.board.swap(selected, cell);
        made({PuzzleMode::TileSwap, selected, cell});
    }
    state_.selectedTile = -1;
    return true;
}

void GameFlow::made(const Move& move)
{
    history_.record(move);
    counted(move);
}

void GameFlow::counted(const Move& move)
{
    ++state_.moves;
    if (state_.board.isSolved(mode(), state_.dimension))
        state_.solvedByMove = true;
    playSound(move);
}

void GameFlow::playSound(const Move& move)
{
    if (state_.sound != 0)
        sounds_.play(move.mode == PuzzleMode::Slider ? Sound::Slider : Sound::Shuffle);
}

bool GameFlow::checkCompletion(const std::function<void()>& congratulate)
{
    if (!state_.board.isSolved(mode(), state_.dimension) || !state_.solvedByMove ||
        state_.puzzleOver)
        return false;
    state_.elapsed = clock_.nowSeconds() - state_.startTime;
    final_ = GameFigures{state_.moves, state_.elapsed};
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
    history_.forget();
    final_ = figures();
}

bool GameFlow::undo()
{
    const std::optional<Move> move = history_.undo(state_.board);
    if (!move)
        return false;
    --state_.moves;
    state_.selectedTile = -1;
    // Only a move may complete the game; a board taken back to solved does not.
    state_.solvedByMove = false;
    playSound(*move);
    return true;
}

bool GameFlow::redo()
{
    const std::optional<Move> move = history_.redo(state_.board);
    if (!move)
        return false;
    state_.selectedTile = -1;
    counted(*move);
    return true;
}

void GameFlow::restart()
{
    state_.board = history_.jumbled();
    reset();
}

GameFigures GameFlow::figures() const
{
    if (final_)
        return *final_;
    // A clock set back must not show a negative time.
    return {state_.moves, std::max<std::int64_t>(0, clock_.nowSeconds() - state_.startTime)};
}

std::optional<UnfinishedGame> GameFlow::unfinished() const
{
    if (state_.moves < 1 || state_.puzzleOver)
        return std::nullopt;
    return UnfinishedGame{mode(),       state_.dimension, state_.board, history_.jumbled(),
                          state_.moves, figures().seconds};
}

void GameFlow::resume(const UnfinishedGame& game)
{
    state_.puzzleMode = game.mode == PuzzleMode::Slider ? 1 : 0;
    state_.dimension = game.dimension;
    state_.board = game.board;
    reset();
    history_.begin(game.jumbled); // a restart goes back to the game's own jumble
    state_.moves = game.moves;
    state_.startTime = clock_.nowSeconds() - game.elapsed;
}
