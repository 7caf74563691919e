// Tests of the board motion: which tiles glide where after a move, and the easing.
#include "game/boardmotion.h"
#include "testregistry.h"

#include <QTest>

class TestBoardMotion : public QObject {
    Q_OBJECT

private slots:
    void aSlideGlidesEveryTileItMoves()
    {
        Board before(PuzzleMode::Slider, 4);
        Board after = before;
        QVERIFY(after.slide({0, 3})); // three tiles one cell right
        const std::vector<Glide> glides = glidesBetween(before, after);
        const std::vector<Glide> expected{
            {12, {0, 3}, {1, 3}}, {13, {1, 3}, {2, 3}}, {14, {2, 3}, {3, 3}}};
        QCOMPARE(glides, expected);
        QVERIFY(glidesBetween(after, after).empty());
    }

    void aSwapGlidesBothTilesPastEachOther()
    {
        const Board before(PuzzleMode::TileSwap, 3);
        Board after = before;
        after.swap({0, 0}, {2, 1});
        const std::vector<Glide> expected{{5, {2, 1}, {0, 0}}, {0, {0, 0}, {2, 1}}};
        QCOMPARE(glidesBetween(before, after), expected);
    }

    void aFrameDrawsOnlyWhereTheGlidesPass()
    {
        const std::vector<Glide> row{{12, {0, 3}, {1, 3}}, {13, {1, 3}, {2, 3}}};
        QCOMPARE(glidesArea(row, {50, 40}), QRect(-1, 119, 152, 42));
        QVERIFY(glidesArea({}, {50, 40}).isEmpty());
    }

    void easedOutStartsQuickAndComesToRest()
    {
        QCOMPARE(easedOut(0), 0.0);
        QCOMPARE(easedOut(1), 1.0);
        QCOMPARE(easedOut(2), 1.0);
        QVERIFY(easedOut(0.5) > 0.8); // most of the way in the first half
        QVERIFY(easedOut(0.9) < easedOut(0.95));
    }
};

TW_REGISTER_TEST(TestBoardMotion)
#include "tst_boardmotion.moc"
