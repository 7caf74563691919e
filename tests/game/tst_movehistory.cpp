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
        board = Board(mode, n);
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
        Board board(PuzzleMode::Slider, 5);
        board.jumble(random);
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
        QCOMPARE(board.tiles(), afterFirst.tiles());
        QCOMPARE(board.holeRow(), 4);
        QVERIFY(history.undo(board));
        QCOMPARE(board.tiles(), jumbled.tiles());
        QCOMPARE(board.holeCol(), 4);
        QVERIFY(!history.undo(board));
        QCOMPARE(board.tiles(), jumbled.tiles());

        QVERIFY(history.redo(board));
        QVERIFY(history.redo(board));
        QCOMPARE(board.tiles(), afterSecond.tiles());
        QCOMPARE(board.holeCol(), 0);
        QCOMPARE(board.holeRow(), 1);
        QVERIFY(!history.redo(board));
        QCOMPARE(history.jumbled().tiles(), jumbled.tiles());
    }

    void swapsGoBackAndForth()
    {
        Played played(PuzzleMode::TileSwap, 3);
        auto& [board, history] = played;
        played.swap({0, 0}, {2, 2});
        played.swap({1, 0}, {2, 2});
        QCOMPARE(board.tiles(), (std::vector<int>{8, 0, 2, 3, 4, 5, 6, 7, 1}));
        const std::optional<Move> last = history.undo(board);
        QVERIFY(last);
        QCOMPARE(last->from, (Cell{1, 0}));
        QCOMPARE(board.tiles(), (std::vector<int>{8, 1, 2, 3, 4, 5, 6, 7, 0}));
        QVERIFY(history.redo(board));
        QCOMPARE(board.tiles(), (std::vector<int>{8, 0, 2, 3, 4, 5, 6, 7, 1}));
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
        QVERIFY(board.isSolved());
        QVERIFY(!history.undo(board));
    }

    void onlyMovesTheBoardCanTakeBackAreFollowed()
    {
        Board board(PuzzleMode::Slider, 4);
        QVERIFY(board.slide({0, 3})); // the hole from the corner to the left edge
        const Move slide{PuzzleMode::Slider, {3, 3}, {0, 3}};
        Board before(PuzzleMode::Slider, 4);
        QCOMPARE(takenBack(board, {slide}), std::optional<Board>(before));
        QVERIFY(!takenBack(board, {slide, slide})); // the hole has gone back already
        QVERIFY(!takenBack(board, {{PuzzleMode::Slider, {3, 3}, {1, 2}}}));   // not in line
        QVERIFY(!takenBack(board, {{PuzzleMode::TileSwap, {0, 0}, {1, 1}}})); // a hole
        Board swapped;
        swapped.fillSolved();
        QVERIFY(!takenBack(swapped, {{PuzzleMode::TileSwap, {0, 0}, {4, 0}}})); // off it
        QVERIFY(!takenBack(swapped, {{PuzzleMode::TileSwap, {1, 1}, {1, 1}}}));
        QVERIFY(takenBack(swapped, {{PuzzleMode::TileSwap, {0, 0}, {3, 3}}}));
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
