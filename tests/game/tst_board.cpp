// Tests of the board model: jumbles, slides, swaps and the solved state.
#include "game/board.h"
#include "platform/randomengine.h"
#include "testregistry.h"

#include <QTest>
#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

namespace {
// A slider position with the hole bottom-right can be solved exactly when the tiles, read
// in order with the hole counted as the missing last tile, form an even permutation.
bool isEvenPermutation(std::vector<int> tiles)
{
    int swaps = 0;
    for (int i = 0; i < static_cast<int>(tiles.size()); ++i) {
        while (tiles[i] != i) {
            std::swap(tiles[i], tiles[tiles[i]]);
            ++swaps;
        }
    }
    return swaps % 2 == 0;
}

Board sliderStart(int n)
{
    Board board(PuzzleMode::Slider, n);
    return board;
}
} // namespace

Q_DECLARE_METATYPE(std::vector<int>)

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    void jumbleIsPermutation_data()
    {
        QTest::addColumn<int>("n");
        for (int n = Board::MinDimension; n <= Board::MaxDimension; ++n)
            QTest::addRow("%dx%d", n, n) << n;
    }

    void jumbleIsPermutation()
    {
        QFETCH(int, n);
        RandomEngine random(1000 + n);
        std::vector<int> everyTile(n * n);
        std::iota(everyTile.begin(), everyTile.end(), 0);
        for (int round = 0; round < 10; ++round) {
            Board board(PuzzleMode::TileSwap, n);
            board.jumble(random);
            std::vector<int> tiles = board.tiles();
            std::sort(tiles.begin(), tiles.end());
            QCOMPARE(tiles, everyTile);
            QVERIFY(!board.hasHole());
        }
    }

    void sliderJumbleIsSolvable_data() { jumbleIsPermutation_data(); }

    void sliderJumbleIsSolvable()
    {
        QFETCH(int, n);
        RandomEngine random(2000 + n);
        for (int round = 0; round < 5; ++round) {
            Board board(PuzzleMode::Slider, n);
            board.jumble(random);
            QVERIFY(board.hasHole());
            QCOMPARE(board.holeCol(), n - 1);
            QCOMPARE(board.holeRow(), n - 1);
            std::vector<int> tiles = board.tiles();
            QCOMPARE(tiles.back(), Board::Hole);
            QVERIFY(std::find(tiles.begin(), tiles.end(), n * n - 1) == tiles.end());
            tiles.back() = n * n - 1;
            std::vector<int> sorted = tiles;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(sorted.front(), 0);
            QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
            QVERIFY(isEvenPermutation(tiles));
            QVERIFY2(!board.isSolved(), "10000 slides left it in order");
        }
    }

    // A change of the draw (a plain modulo in place of the unbiased one, say) shows here.
    void seededJumbleIsAKnownBoard_data()
    {
        QTest::addColumn<PuzzleMode>("mode");
        QTest::addColumn<std::vector<int>>("tiles");
        QTest::newRow("tile swap")
            << PuzzleMode::TileSwap
            << std::vector<int>{5, 11, 0, 4, 12, 9, 13, 8, 15, 7, 10, 6, 2, 1, 3, 14};
        QTest::newRow("slider") << PuzzleMode::Slider
                                << std::vector<int>{10, 2,  6, 8,  12, 3, 11, 7,
                                                    5,  13, 0, 14, 4,  1, 9,  -1};
    }

    void seededJumbleIsAKnownBoard()
    {
        QFETCH(PuzzleMode, mode);
        QFETCH(std::vector<int>, tiles);
        RandomEngine random(42);
        Board board(mode, 4);
        board.jumble(random);
        QCOMPARE(board.tiles(), tiles);
        board.jumble(random);
        QVERIFY(board.tiles() != tiles);
    }

    void slideMovesEveryTileUpToTheHole()
    {
        Board board = sliderStart(4);
        // Three cells left of the hole in the bottom row: 12 13 14 _ becomes _ 12 13 14.
        QVERIFY(board.slide({0, 3}));
        QCOMPARE(board.at({0, 3}), Board::Hole);
        QCOMPARE(board.at({1, 3}), 12);
        QCOMPARE(board.at({2, 3}), 13);
        QCOMPARE(board.at({3, 3}), 14);
        QCOMPARE(board.holeCol(), 0);
        QCOMPARE(board.holeRow(), 3);
        // Then up the first column: 0 4 8 _ becomes _ 0 4 8.
        QVERIFY(board.slide({0, 0}));
        QCOMPARE(board.at({0, 0}), Board::Hole);
        QCOMPARE(board.at({0, 1}), 0);
        QCOMPARE(board.at({0, 2}), 4);
        QCOMPARE(board.at({0, 3}), 8);
        // And back down by one: the neighbour below slides up into the hole.
        QVERIFY(board.slide({0, 1}));
        QCOMPARE(board.at({0, 0}), 0);
        QCOMPARE(board.at({0, 1}), Board::Hole);
        QCOMPARE(board.holeRow(), 1);
    }

    void illegalSlideChangesNothing_data()
    {
        QTest::addColumn<Cell>("clicked");
        QTest::newRow("diagonal") << Cell{2, 2};
        QTest::newRow("far corner") << Cell{0, 0};
        QTest::newRow("the hole") << Cell{3, 3};
    }

    void illegalSlideChangesNothing()
    {
        QFETCH(Cell, clicked);
        const Board before = sliderStart(4);
        Board board = before;
        QVERIFY(!board.slide(clicked));
        QVERIFY(board == before);
    }

    void noHoleAfterFillSolved()
    {
        RandomEngine random(7);
        Board board(PuzzleMode::Slider, 4);
        board.jumble(random);
        board.fillSolved();
        QVERIFY(!board.hasHole());
        const Board filled = board;
        // The hole's last cell now shows a tile; no click may overwrite it.
        QVERIFY(!board.slide({0, 3}));
        QVERIFY(!board.slide({3, 0}));
        QVERIFY(board == filled);
        board = Board(PuzzleMode::Slider, 4);
        board.jumble(random);
        QVERIFY(board.hasHole());
    }

    void swapExchangesTwoTiles()
    {
        Board board(PuzzleMode::TileSwap, 3);
        board.swap({0, 0}, {2, 1});
        QCOMPARE(board.at({0, 0}), 5);
        QCOMPARE(board.at({2, 1}), 0);
        QVERIFY(!board.isSolved());
        board.swap({2, 1}, {0, 0});
        QVERIFY(board.isSolved());
    }

    void tilesHomeAreCountedWithoutTheHole()
    {
        Board slider = sliderStart(4);
        QCOMPARE(slider.tileCount(), 15);
        QCOMPARE(slider.tilesHome(), 15);
        QVERIFY(slider.slide({1, 3})); // two tiles leave home
        QCOMPARE(slider.tilesHome(), 13);
        slider.fillSolved(); // the missing tile is in: sixteen
        QCOMPARE(slider.tilesHome(), 16);
        QCOMPARE(slider.tileCount(), 16);
        Board swap(PuzzleMode::TileSwap, 3);
        swap.swap({0, 0}, {2, 1});
        QCOMPARE(swap.tilesHome(), 7);
        QCOMPARE(swap.tileCount(), 9);
    }

    void sliderIgnoresTheCornerWhenJudgingSolved()
    {
        Board board = sliderStart(5);
        QVERIFY(board.isSolved());
        QVERIFY(board.slide({4, 2}));
        QVERIFY(!board.isSolved());
        QVERIFY(board.slide({4, 4}));
        QVERIFY(board.isSolved());
        board.fillSolved();
        QCOMPARE(board.at({4, 4}), 24);
        QVERIFY(board.isSolved());
    }

    void sizesBeyondTheRangeAreTakenToTheNearest()
    {
        const Board small(PuzzleMode::Slider, 1);
        QCOMPARE(small.dimension(), Board::SmallestBoard);
        QCOMPARE(small.tiles(), (std::vector<int>{0, 1, 2, Board::Hole}));
        const Board large(PuzzleMode::TileSwap, 11);
        QCOMPARE(large.dimension(), Board::MaxDimension);
        QVERIFY(large.contains({9, 9}));
        QVERIFY(!large.contains({10, 0}));
        QVERIFY(!large.contains({0, -1}));
    }

    void tilesRoundTripEveryReachableBoard_data() { jumbleIsPermutation_data(); }

    void tilesRoundTripEveryReachableBoard()
    {
        QFETCH(int, n);
        RandomEngine random(3000 + n);
        for (const PuzzleMode mode : {PuzzleMode::TileSwap, PuzzleMode::Slider}) {
            Board board(mode, n);
            board.jumble(random);
            // Off the corner, so the hole's place is read back from the tiles.
            board.slide({0, n - 1});
            board.slide({0, 0});
            const std::optional<Board> back = Board::fromTiles(mode, n, board.tiles());
            QVERIFY(back);
            QCOMPARE(back->tiles(), board.tiles());
            QCOMPARE(back->hasHole(), mode == PuzzleMode::Slider);
            QCOMPARE(back->holeCol(), board.holeCol());
            QCOMPARE(back->holeRow(), board.holeRow());
        }
    }

    void tilesNoModeCanReachAreRefused_data()
    {
        QTest::addColumn<PuzzleMode>("mode");
        QTest::addColumn<int>("n");
        QTest::addColumn<std::vector<int>>("tiles");
        const auto swap = PuzzleMode::TileSwap;
        const auto slider = PuzzleMode::Slider;
        QTest::newRow("too few") << swap << 3 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("too many") << swap << 3 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 0};
        QTest::newRow("a tile twice") << swap << 3 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 7};
        QTest::newRow("beyond the last")
            << swap << 3 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 9};
        QTest::newRow("hole in tile swap")
            << swap << 3 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, -1};
        QTest::newRow("size 2") << swap << 2 << std::vector<int>{0, 1, 2, 3};
        QTest::newRow("size 11") << swap << 11 << std::vector<int>(121, 0);
        QTest::newRow("slider without hole")
            << slider << 3 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("slider, two holes")
            << slider << 3 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, -1, -1};
        QTest::newRow("slider, last tile and hole")
            << slider << 3 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 8, -1};
        // Two tiles exchanged: no sequence of slides reaches it.
        QTest::newRow("slider, unsolvable")
            << slider << 3 << std::vector<int>{1, 0, 2, 3, 4, 5, 6, 7, -1};
        QTest::newRow("slider, unsolvable hole elsewhere")
            << slider << 3 << std::vector<int>{-1, 1, 0, 3, 4, 2, 6, 7, 5};
    }

    void tilesNoModeCanReachAreRefused()
    {
        QFETCH(PuzzleMode, mode);
        QFETCH(int, n);
        QFETCH(std::vector<int>, tiles);
        QVERIFY(!Board::fromTiles(mode, n, tiles));
    }

    void sliderPositionsWithTheHoleAnywhereAreAccepted()
    {
        // The solved order with the hole moved up the last column: a real position.
        const std::optional<Board> board =
            Board::fromTiles(PuzzleMode::Slider, 3, {0, 1, -1, 3, 4, 2, 6, 7, 5});
        QVERIFY(board);
        QCOMPARE(board->holeCol(), 2);
        QCOMPARE(board->holeRow(), 0);
        Board played = *board;
        QVERIFY(played.slide({2, 2}));
        QVERIFY(played.isSolved());
    }

    void tileNumbersFollowReadingOrder()
    {
        QCOMPARE(Board(PuzzleMode::TileSwap, 4).homeNumber({2, 1}), 6);
        QCOMPARE(Board(PuzzleMode::TileSwap, 4).homeCell(6), (Cell{2, 1}));
        QCOMPARE(Board(PuzzleMode::Slider, 10).homeCell(99), (Cell{9, 9}));
        QCOMPARE(puzzleModeFromSetting(0), PuzzleMode::TileSwap);
        QCOMPARE(puzzleModeFromSetting(7), PuzzleMode::Slider);
    }
};

TW_REGISTER_TEST(TestBoard)
#include "tst_board.moc"
