// GameFlow: the course of one game, from a fresh jumble to completion or "Solve for me".
#include "gameflow.h"

#include "platform/clock.h"
#include "platform/soundplayer.h"
#include "playersettings.h"

#include <algorithm>

GameFlow::GameFlow(const PlayerSettings& settings, RandomEngine& random, SoundPlayer& sounds,
                   const Clock& clock)
    : settings_(settings)
    , random_(random)
    , sounds_(sounds)
    , clock_(clock)
{}

void GameFlow::reset()
{
    round_.selected.reset();
    round_.puzzleOver = false;
    // A solving move left over from a finished game must not end the next one.
    round_.solvedByMove = false;
    round_.moves = 0;
    round_.hints = 0;
    round_.startTime = clock_.nowSeconds();
    history_.begin(round_.board);
    final_.reset();
}

void GameFlow::jumble()
{
    round_.board = Board(settings_.puzzleMode, settings_.dimension);
    round_.board.jumble(random_);
    reset();
}

bool GameFlow::click(Cell cell)
{
    if (!round_.board.contains(cell))
        return false;
    return round_.board.mode() == PuzzleMode::Slider ? slide(cell) : selectOrSwap(cell);
}

bool GameFlow::dropSelection()
{
    if (!round_.selected)
        return false;
    round_.selected.reset();
    return true;
}

bool GameFlow::slide(Cell cell)
{
    const Cell hole{round_.board.holeCol(), round_.board.holeRow()};
    if (!round_.board.slide(cell))
        return false;
    made({PuzzleMode::Slider, hole, cell});
    return true;
}

bool GameFlow::selectOrSwap(Cell cell)
{
    if (!round_.selected) {
        round_.selected = cell;
        return true;
    }
    const Cell selected = *round_.selected;
    round_.selected.reset();
    if (selected != cell) {
        round_.board.swap(selected, cell);
        made({PuzzleMode::TileSwap, selected, cell});
    }
    return true;
}

void GameFlow::made(const Move& move)
{
    history_.record(move);
    counted(move);
}

void GameFlow::counted(const Move& move)
{
    round_.moves = std::min(round_.moves + 1, MaxMoves);
    if (round_.board.isSolved())
        round_.solvedByMove = true;
    playSound(move);
}

void GameFlow::playSound(const Move& move)
{
    if (settings_.sound)
        sounds_.play(move.mode == PuzzleMode::Slider ? Sound::Slider : Sound::Shuffle);
}

bool GameFlow::checkCompletion(const std::function<void()>& congratulate)
{
    if (!round_.board.isSolved() || !round_.solvedByMove || round_.puzzleOver)
        return false;
    round_.elapsed = secondsSoFar();
    final_ = GameFigures{round_.moves, round_.elapsed};
    if (settings_.sound)
        sounds_.play(Sound::Complete);
    // Over before anyone is told: a game left while the congratulations show is not kept.
    round_.solvedByMove = false;
    round_.puzzleOver = true;
    congratulate();
    return true;
}

void GameFlow::solveForMe()
{
    round_.selected.reset();
    round_.board.fillSolved();
    round_.puzzleOver = true;
    history_.forget();
    final_ = figures();
}

bool GameFlow::undo()
{
    const std::optional<Move> move = history_.undo(round_.board);
    if (!move)
        return false;
    --round_.moves;
    round_.selected.reset();
    // Only a move may complete the game; a board taken back to solved does not.
    round_.solvedByMove = false;
    playSound(*move);
    return true;
}

bool GameFlow::redo()
{
    const std::optional<Move> move = history_.redo(round_.board);
    if (!move)
        return false;
    round_.selected.reset();
    counted(*move);
    return true;
}

bool GameFlow::hint()
{
    if (!canHint())
        return false;
    const std::optional<Move> move = hints_.next(round_.board);
    if (!move)
        return false;
    round_.selected.reset();
    playMove(round_.board, *move, Way::Forward);
    round_.hints = std::min(round_.hints + 1, MaxMoves);
    made(*move);
    return true;
}

void GameFlow::restart()
{
    round_.board = history_.jumbled();
    reset();
}

std::int64_t GameFlow::secondsSoFar() const
{
    // A clock set back must not show a negative time.
    return std::clamp<std::int64_t>(clock_.nowSeconds() - round_.startTime, 0, MaxGameSeconds);
}

GameFigures GameFlow::figures() const
{
    return final_ ? *final_ : GameFigures{round_.moves, secondsSoFar()};
}

std::optional<UnfinishedGame> GameFlow::unfinished() const
{
    if (!underWay())
        return std::nullopt;
    const std::vector<Move>& done = history_.done();
    const std::size_t kept = std::min(done.size(), std::size_t{MaxKeptMoves});
    return UnfinishedGame{
        round_.board, history_.jumbled(),
        round_.moves, figures().seconds,
        round_.hints, {done.end() - static_cast<std::ptrdiff_t>(kept), done.end()}};
}

void GameFlow::resume(const UnfinishedGame& game)
{
    round_.board = game.board;
    reset();
    history_.begin(game.jumbled, game.history); // a restart goes back to the game's own jumble
    round_.moves = game.moves;
    round_.hints = game.hints;
    round_.startTime = clock_.nowSeconds() - game.elapsed;
}
