// Tests of the move history: taking moves back and making them again on the board.
#include "game/movehistory.h"
#include "platform/randomengine.h"
#include "testregistry.h"

#include <QTest>

namespace {
// A board in its start position and the history of the moves made on it.
struct Played {
    Board board;
    MoveHistory history;

    Played(PuzzleMode mode, int n)
    {
        board.setSolved(mode, n);
        history.begin(board);
    }

    void swap(Cell a, Cell b)
    {
        board.swap(a, b);
        history.record({PuzzleMode::TileSwap, a, b});
    }
};
} // namespace

class TestMoveHistory : public QObject {
    Q_OBJECT

private slots:
    void multiTileSlidesGoBackAndForth()
    {
        RandomEngine random(11);
        Board board;
        board.jumble(PuzzleMode::Slider, 5, random);
        MoveHistory history;
        history.begin(board);
        // Four tiles along the bottom row, then three up the first column.
        const Board jumbled = board;
        QVERIFY(board.slide({0, 4}));
        history.record({PuzzleMode::Slider, {4, 4}, {0, 4}});
        const Board afterFirst = board;
        QVERIFY(board.slide({0, 1}));
        history.record({PuzzleMode::Slider, {0, 4}, {0, 1}});
        const Board afterSecond = board;

        QVERIFY(history.undo(board));
        QCOMPARE(board.tiles(5), afterFirst.tiles(5));
        QCOMPARE(board.holeRow(), 4);
        QVERIFY(history.undo(board));
        QCOMPARE(board.tiles(5), jumbled.tiles(5));
        QCOMPARE(board.holeCol(), 4);
        QVERIFY(!history.undo(board));
        QCOMPARE(board.tiles(5), jumbled.tiles(5));

        QVERIFY(history.redo(board));
        QVERIFY(history.redo(board));
        QCOMPARE(board.tiles(5), afterSecond.tiles(5));
        QCOMPARE(board.holeCol(), 0);
        QCOMPARE(board.holeRow(), 1);
        QVERIFY(!history.redo(board));
        QCOMPARE(history.jumbled().tiles(5), jumbled.tiles(5));
    }

    void swapsGoBackAndForth()
    {
        Played played(PuzzleMode::TileSwap, 3);
        auto& [board, history] = played;
        played.swap({0, 0}, {2, 2});
        played.swap({1, 0}, {2, 2});
        QCOMPARE(board.tiles(3), (std::vector<int>{8, 0, 2, 3, 4, 5, 6, 7, 1}));
        const std::optional<Move> last = history.undo(board);
        QVERIFY(last);
        QCOMPARE(last->from, (Cell{1, 0}));
        QCOMPARE(board.tiles(3), (std::vector<int>{8, 1, 2, 3, 4, 5, 6, 7, 0}));
        QVERIFY(history.redo(board));
        QCOMPARE(board.tiles(3), (std::vector<int>{8, 0, 2, 3, 4, 5, 6, 7, 1}));
    }

    void aNewMoveDropsWhatWasTakenBack()
    {
        Played played(PuzzleMode::TileSwap, 3);
        auto& [board, history] = played;
        played.swap({0, 0}, {1, 0});
        QVERIFY(history.undo(board));
        played.swap({2, 0}, {2, 1});
        QVERIFY(!history.redo(board));
        QVERIFY(history.undo(board));
        QVERIFY(board.isSolved(PuzzleMode::TileSwap, 3));
        QVERIFY(!history.undo(board));
    }

    void onlyMovesTheBoardCanTakeBackAreFollowed()
    {
        Board board;
        board.setSolved(PuzzleMode::Slider, 4);
        QVERIFY(board.slide({0, 3})); // the hole from the corner to the left edge
        const Move slide{PuzzleMode::Slider, {3, 3}, {0, 3}};
        Board before;
        before.setSolved(PuzzleMode::Slider, 4);
        QCOMPARE(takenBack(board, {slide}, 4), std::optional<Board>(before));
        QVERIFY(!takenBack(board, {slide, slide}, 4)); // the hole has gone back already
        QVERIFY(!takenBack(board, {{PuzzleMode::Slider, {3, 3}, {1, 2}}}, 4));   // not in line
        QVERIFY(!takenBack(board, {{PuzzleMode::TileSwap, {0, 0}, {1, 1}}}, 4)); // a hole
        Board swapped;
        swapped.fillSolved(4);
        QVERIFY(!takenBack(swapped, {{PuzzleMode::TileSwap, {0, 0}, {4, 0}}}, 4)); // off it
        QVERIFY(!takenBack(swapped, {{PuzzleMode::TileSwap, {1, 1}, {1, 1}}}, 4));
        QVERIFY(takenBack(swapped, {{PuzzleMode::TileSwap, {0, 0}, {3, 3}}}, 4));
    }

    void forgetKeepsTheJumble()
    {
        Played played(PuzzleMode::Slider, 4);
        auto& [board, history] = played;
        QVERIFY(board.slide({3, 0}));
        history.record({PuzzleMode::Slider, {3, 3}, {3, 0}});
        history.forget();
        QVERIFY(!history.undo(board));
        QVERIFY(!history.redo(board));
        QCOMPARE(history.jumbled().at({3, 3}), Board::Hole);
    }
};

TW_REGISTER_TEST(TestMoveHistory)
#include "tst_movehistory.moc"
