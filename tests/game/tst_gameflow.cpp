// Tests of the game flow: moves, sounds, the completion of a game and "Solve for me".
#include "fakes.h"
#include "game/gameflow.h"
#include "game/playersettings.h"
#include "platform/randomengine.h"
#include "testregistry.h"

#include <QTest>

namespace {
// A game of the mode's solved board, or of that board changed as given.
struct Game {
    PlayerSettings settings;
    RandomEngine random{5};
    RecordingSoundPlayer sounds;
    FixedClock clock;
    GameFlow flow{settings, random, sounds, clock};
    int congratulated = 0;

    explicit Game(PuzzleMode mode, int n = 4, const std::function<void(Board&)>& change = {})
    {
        settings.puzzleMode = mode;
        settings.dimension = n;
        Board board(mode, n);
        if (change)
            change(board);
        flow.resume({board, board, 0, 0});
    }

    const Round& round() const { return flow.round(); }
    std::optional<Cell> selected() const { return flow.round().selected; }

    bool complete()
    {
        return flow.checkCompletion([this] { ++congratulated; });
    }
};
} // namespace

class TestGameFlow : public QObject {
    Q_OBJECT

private slots:
    void multiTileSlideIsOneMove()
    {
        Game game(PuzzleMode::Slider);
        QVERIFY(game.flow.click({0, 3}));
        QCOMPARE(game.round().moves, 1);
        QCOMPARE(game.sounds.played, QStringList{Sound::Slider});
        QCOMPARE(game.round().board.at({3, 3}), 14);
    }

    void illegalSlideDoesNothing()
    {
        Game game(PuzzleMode::Slider);
        QVERIFY(!game.flow.click({1, 1}));
        QVERIFY(!game.flow.click({3, 3}));
        QVERIFY(!game.flow.click({4, 0})); // beyond the board
        QCOMPARE(game.round().moves, 0);
        QVERIFY(game.sounds.played.isEmpty());
    }

    void selectDeselectAndSwap()
    {
        Game game(PuzzleMode::TileSwap);
        QVERIFY(game.flow.click({1, 2}));
        QCOMPARE(game.selected(), (Cell{1, 2}));
        QVERIFY(game.flow.click({1, 2}));
        QVERIFY(!game.selected());
        QCOMPARE(game.round().moves, 0);
        QVERIFY(game.sounds.played.isEmpty());

        QVERIFY(game.flow.click({1, 2}));
        QVERIFY(game.flow.click({3, 0}));
        QVERIFY(!game.selected());
        QCOMPARE(game.round().board.at({1, 2}), 3);
        QCOMPARE(game.round().board.at({3, 0}), 9);
        QCOMPARE(game.round().moves, 1);
        QCOMPARE(game.sounds.played, QStringList{Sound::Shuffle});
    }

    void completionOncePerGame()
    {
        Game game(PuzzleMode::TileSwap, 4, [](Board& b) { b.swap({0, 0}, {1, 0}); });
        game.clock.now += 65;
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QVERIFY(game.complete());
        QCOMPARE(game.congratulated, 1);
        QCOMPARE(game.round().elapsed, 65);
        QCOMPARE(game.sounds.played.last(), Sound::Complete);
        QVERIFY(game.round().puzzleOver);
        QVERIFY(!game.round().solvedByMove);
        // Moves after the end still count, but finish nothing.
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QCOMPARE(game.round().moves, 3);
        QVERIFY(!game.complete());
        QCOMPARE(game.congratulated, 1);
    }

    void sliderCompletionWithSoundOff()
    {
        Game game(PuzzleMode::Slider, 4, [](Board& b) { b.slide({3, 0}); });
        game.settings.sound = false;
        game.flow.click({3, 3});
        QVERIFY(game.complete());
        QVERIFY(game.sounds.played.isEmpty());
    }

    void solvedJumbleNeedsAMove()
    {
        Game game(PuzzleMode::TileSwap); // a board that is solved from the start
        QVERIFY(game.flow.click({2, 2}));
        QVERIFY(!game.complete());
        QCOMPARE(game.congratulated, 0);
    }

    void solveForMeEndsWithoutScore()
    {
        Game game(PuzzleMode::Slider, 4, [](Board& b) { b.slide({3, 0}); });
        game.flow.solveForMe();
        QVERIFY(game.round().puzzleOver);
        QVERIFY(!game.round().board.hasHole());
        QCOMPARE(game.round().board.at({3, 3}), 15);
        // No hole: slider clicks are ignored until the next jumble.
        QVERIFY(!game.flow.click({3, 2}));
        QVERIFY(!game.complete());
        QCOMPARE(game.congratulated, 0);
        QVERIFY(game.sounds.played.isEmpty());
    }

    void resetStartsAFreshGame()
    {
        Game game(PuzzleMode::TileSwap, 4, [](Board& b) { b.swap({0, 0}, {1, 0}); });
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QVERIFY(game.complete());
        // Moves after the end leave a solving move over, which must not end the next game.
        for (const Cell cell : {Cell{0, 0}, Cell{1, 0}, Cell{0, 0}, Cell{1, 0}, Cell{0, 0}})
            game.flow.click(cell);
        game.clock.now += 30;
        game.flow.jumble();
        QVERIFY(!game.selected());
        QCOMPARE(game.round().moves, 0);
        QCOMPARE(game.round().startTime, game.clock.now);
        QVERIFY(!game.round().puzzleOver);
        // A fresh game that happens to be solved does not end on a selection click.
        Board solved(PuzzleMode::TileSwap, 4);
        game.flow.resume({solved, solved, 0, 0});
        game.flow.click({0, 0});
        QVERIFY(!game.complete());
    }

    void undoTakesBackTheMoveAndItsCount()
    {
        Game game(PuzzleMode::TileSwap);
        game.flow.click({0, 0});
        game.flow.click({2, 1});
        game.clock.now += 10;
        game.flow.click({3, 3}); // a selection, cleared by the undo
        QVERIFY(game.flow.undo());
        QVERIFY(game.round().board.isSolved());
        QCOMPARE(game.round().moves, 0);
        QVERIFY(!game.selected());
        QCOMPARE(game.flow.figures(), (GameFigures{0, 10})); // the clock runs on
        QCOMPARE(game.sounds.played, (QStringList{Sound::Shuffle, Sound::Shuffle}));
        // Nothing left to take back: the selection stays, nothing is heard.
        game.flow.click({1, 1});
        QVERIFY(!game.flow.undo());
        QCOMPARE(game.selected(), (Cell{1, 1}));
        QCOMPARE(game.sounds.played.size(), 2);

        QVERIFY(game.flow.redo());
        QCOMPARE(game.round().moves, 1);
        QCOMPARE(game.round().board.at({0, 0}), 6);
        QVERIFY(!game.selected());
        QVERIFY(!game.flow.redo());
    }

    void undoNeverCompletesARedoMay()
    {
        // A move solves the board, the next one undoes that; taking it back shows the solved
        // board again, which is no completion.
        Game game(PuzzleMode::TileSwap);
        for (const Cell cell :
             {Cell{0, 0}, Cell{1, 0}, Cell{0, 0}, Cell{1, 0}, Cell{2, 0}, Cell{3, 0}})
            game.flow.click(cell);
        QVERIFY(game.flow.undo());
        QVERIFY(game.round().board.isSolved());
        QVERIFY(!game.complete());

        Game solving(PuzzleMode::Slider, 4, [](Board& b) { b.slide({3, 2}); });
        solving.flow.click({3, 3});
        QVERIFY(solving.flow.undo());
        QVERIFY(solving.flow.redo());
        QCOMPARE(solving.round().moves, 1);
        QVERIFY(solving.complete());
        QCOMPARE(solving.congratulated, 1);
        // Over: taken back and made again, the game does not end twice.
        QVERIFY(solving.flow.undo());
        QVERIFY(solving.flow.redo());
        QVERIFY(!solving.complete());
        QCOMPARE(solving.congratulated, 1);
    }

    void newGamesAndSolveForMeEmptyTheHistory()
    {
        Game game(PuzzleMode::TileSwap);
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        game.flow.jumble();
        QVERIFY(!game.flow.undo());
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        game.flow.solveForMe();
        QVERIFY(!game.flow.undo());
        QVERIFY(!game.flow.redo());
    }

    void restartGoesBackToTheGamesJumble()
    {
        Game game(PuzzleMode::Slider, 5);
        game.flow.jumble();
        const std::vector<int> jumbled = game.round().board.tiles();
        game.flow.click({0, 4});
        game.flow.click({0, 0});
        game.clock.now += 40;
        game.flow.restart();
        QCOMPARE(game.round().board.tiles(), jumbled);
        QCOMPARE(game.round().board.holeCol(), 4);
        QCOMPARE(game.round().moves, 0);
        QCOMPARE(game.round().startTime, game.clock.now);
        QVERIFY(!game.flow.undo());
        // After "Solve for me" too, with the hole back.
        game.flow.click({4, 0});
        game.flow.solveForMe();
        game.flow.restart();
        QCOMPARE(game.round().board.tiles(), jumbled);
        QVERIFY(game.round().board.hasHole());
        QVERIFY(!game.round().puzzleOver);
        QVERIFY(game.flow.click({4, 0}));
    }

    void figuresStopAtTheEnd()
    {
        Game game(PuzzleMode::TileSwap, 4, [](Board& b) { b.swap({0, 0}, {1, 0}); });
        game.clock.now += 75;
        QCOMPARE(game.flow.figures(), (GameFigures{0, 75}));
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QVERIFY(game.complete());
        game.clock.now += 100;
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QCOMPARE(game.flow.figures(), (GameFigures{1, 75}));

        game.flow.reset();
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        game.clock.now += 8;
        game.flow.solveForMe();
        game.clock.now += 50;
        QCOMPARE(game.flow.figures(), (GameFigures{1, 8}));
        game.clock.now -= 1000; // a clock set back shows no negative time
        game.flow.jumble();
        game.clock.now -= 5;
        QCOMPARE(game.flow.figures(), (GameFigures{0, 0}));
    }

    void aClockSetBackNeverMakesATimeNegative()
    {
        Game game(PuzzleMode::TileSwap, 4, [](Board& b) { b.swap({0, 0}, {1, 0}); });
        game.clock.now -= 3600; // the wall clock stepped back an hour during the game
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QVERIFY(game.complete());
        QCOMPARE(game.round().elapsed, 0);
        QCOMPARE(game.flow.figures(), (GameFigures{1, 0}));
    }

    void countersStopAtTheirLimits()
    {
        Board board(PuzzleMode::TileSwap, 4);
        board.swap({0, 0}, {1, 0});
        Game game(PuzzleMode::TileSwap);
        game.flow.resume({board, board, MaxMoves - 1, 0});
        game.clock.now += MaxGameSeconds + 5000;
        for (const Cell cell : {Cell{2, 2}, Cell{3, 3}, Cell{2, 2}, Cell{3, 3}})
            game.flow.click(cell);
        QCOMPARE(game.round().moves, MaxMoves);
        QCOMPARE(game.flow.figures(), (GameFigures{MaxMoves, MaxGameSeconds}));
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QVERIFY(game.complete());
        QCOMPARE(game.round().elapsed, MaxGameSeconds);
    }

    // Between its winning move and the congratulations, and while they show, a won game is
    // no game to keep.
    void aWonGameIsNeverKept()
    {
        Game game(PuzzleMode::TileSwap, 3, [](Board& board) { board.swap({0, 0}, {1, 0}); });
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QVERIFY(!game.flow.unfinished());
        bool keptWhileShown = true;
        QVERIFY(game.flow.checkCompletion(
            [&] { keptWhileShown = game.flow.unfinished().has_value(); }));
        QVERIFY(!keptWhileShown);
    }

    void anUnfinishedGameIsTakenUpAgain()
    {
        Game game(PuzzleMode::Slider, 6);
        game.flow.jumble();
        const std::vector<int> jumbled = game.round().board.tiles();
        QVERIFY(!game.flow.unfinished()); // no move yet
        game.flow.click({5, 0});
        game.flow.click({0, 0});
        game.clock.now += 300;
        const std::optional<UnfinishedGame> kept = game.flow.unfinished();
        QVERIFY(kept);
        QCOMPARE(kept->board.mode(), PuzzleMode::Slider);
        QCOMPARE(kept->board.dimension(), 6);
        QCOMPARE(kept->moves, 2);
        QCOMPARE(kept->elapsed, 300);
        QCOMPARE(kept->jumbled.tiles(), jumbled);

        Game later(PuzzleMode::TileSwap, 3);
        later.clock.now += 5000;
        later.flow.resume(*kept);
        QCOMPARE(later.round().board.mode(), PuzzleMode::Slider);
        QCOMPARE(later.round().board.dimension(), 6);
        QCOMPARE(later.round().board.tiles(), game.round().board.tiles());
        later.clock.now += 20;
        QCOMPARE(later.flow.figures(), (GameFigures{2, 320}));
        QVERIFY(later.flow.undo()); // the kept moves are taken back
        QVERIFY(later.flow.undo());
        QVERIFY(!later.flow.undo());
        QCOMPARE(later.round().board.tiles(), jumbled);
        QVERIFY(later.flow.redo());
        later.flow.restart();
        QCOMPARE(later.round().board.tiles(), jumbled);

        game.flow.solveForMe();
        QVERIFY(!game.flow.unfinished()); // over
    }
};

TW_REGISTER_TEST(TestGameFlow)
#include "tst_gameflow.moc"
