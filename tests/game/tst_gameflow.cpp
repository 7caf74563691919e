// Tests of the game flow: moves, sounds, the completion of a game and "Solve for me".
#include "fakes.h"
#include "game/gameflow.h"
#include "game/gamestate.h"
#include "platform/randomengine.h"
#include "testregistry.h"

#include <QTest>

namespace {
struct Game {
    GameState state;
    RandomEngine random{5};
    RecordingSoundPlayer sounds;
    FixedClock clock;
    GameFlow flow{state, random, sounds, clock};
    int congratulated = 0;

    explicit Game(PuzzleMode mode, int n = 4)
    {
        state.puzzleMode = mode == PuzzleMode::Slider ? 1 : 0;
        state.dimension = n;
        state.board.setSolved(mode, n);
        flow.reset();
    }

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
        QCOMPARE(game.state.moves, 1);
        QCOMPARE(game.sounds.played, QStringList{Sound::Slider});
        QCOMPARE(game.state.board.at({3, 3}), 14);
    }

    void illegalSlideDoesNothing()
    {
        Game game(PuzzleMode::Slider);
        QVERIFY(!game.flow.click({1, 1}));
        QVERIFY(!game.flow.click({3, 3}));
        QVERIFY(!game.flow.click({4, 0})); // beyond the board
        QCOMPARE(game.state.moves, 0);
        QVERIFY(game.sounds.played.isEmpty());
    }

    void selectDeselectAndSwap()
    {
        Game game(PuzzleMode::TileSwap);
        QVERIFY(game.flow.click({1, 2}));
        QCOMPARE(game.state.selectedTile, 9);
        QVERIFY(game.flow.click({1, 2}));
        QCOMPARE(game.state.selectedTile, -1);
        QCOMPARE(game.state.moves, 0);
        QVERIFY(game.sounds.played.isEmpty());

        QVERIFY(game.flow.click({1, 2}));
        QVERIFY(game.flow.click({3, 0}));
        QCOMPARE(game.state.selectedTile, -1);
        QCOMPARE(game.state.board.at({1, 2}), 3);
        QCOMPARE(game.state.board.at({3, 0}), 9);
        QCOMPARE(game.state.moves, 1);
        QCOMPARE(game.sounds.played, QStringList{Sound::Shuffle});
    }

    void completionOncePerGame()
    {
        Game game(PuzzleMode::TileSwap);
        game.state.board.swap({0, 0}, {1, 0});
        game.clock.now += 65;
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QVERIFY(game.complete());
        QCOMPARE(game.congratulated, 1);
        QCOMPARE(game.state.elapsed, 65);
        QCOMPARE(game.sounds.played.last(), Sound::Complete);
        QVERIFY(game.state.puzzleOver);
        QVERIFY(!game.state.solvedByMove);
        // Moves after the end still count, but finish nothing.
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        game.flow.click({0, 0});
        game.flow.click({1, 0});
        QCOMPARE(game.state.moves, 3);
        QVERIFY(!game.complete());
        QCOMPARE(game.congratulated, 1);
    }

    void sliderCompletionWithSoundOff()
    {
        Game game(PuzzleMode::Slider);
        game.state.sound = 0;
        game.state.board.slide({3, 0});
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
        Game game(PuzzleMode::Slider);
        game.state.board.slide({3, 0});
        game.flow.solveForMe();
        QVERIFY(game.state.puzzleOver);
        QVERIFY(!game.state.board.hasHole());
        QCOMPARE(game.state.board.at({3, 3}), 15);
        // No hole: slider clicks are ignored until the next jumble.
        QVERIFY(!game.flow.click({3, 2}));
        QVERIFY(!game.complete());
        QCOMPARE(game.congratulated, 0);
        QVERIFY(game.sounds.played.isEmpty());
    }

    void resetStartsAFreshGame()
    {
        Game game(PuzzleMode::TileSwap);
        game.state.puzzleOver = true;
        game.state.solvedByMove = true; // left over from moves after the last game ended
        game.flow.click({0, 0});
        game.clock.now += 30;
        game.flow.jumble();
        QCOMPARE(game.state.selectedTile, -1);
        QCOMPARE(game.state.moves, 0);
        QCOMPARE(game.state.startTime, game.clock.now);
        QVERIFY(!game.state.puzzleOver);
        // A fresh game that happens to be solved does not end on a selection click.
        game.state.board.setSolved(PuzzleMode::TileSwap, 4);
        game.flow.click({0, 0});
        QVERIFY(!game.complete());
    }
};

TW_REGISTER_TEST(TestGameFlow)
#include "tst_gameflow.moc"
