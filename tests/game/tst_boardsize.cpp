// Tests of the board sizes for pictures of every shape.
#include "game/boardsize.h"
#include "testregistry.h"

#include <QTest>

class TestBoardSize : public QObject {
    Q_OBJECT

private slots:
    void boardSize_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("board");
        // Room 1230 x 800, menu bar 20, toolbar band 50.
        QTest::newRow("narrow picture widened to 350") << QSize(200, 100) << 4 << QSize(348, 172);
        QTest::newRow("narrow, exact at 5") << QSize(200, 100) << 5 << QSize(350, 175);
        QTest::newRow("fits: natural size") << QSize(640, 480) << 7 << QSize(637, 476);
        QTest::newRow("wide, too large") << QSize(2460, 1000) << 10 << QSize(1130, 380);
        QTest::newRow("tall, too large") << QSize(1000, 2000) << 4 << QSize(348, 628);
        QTest::newRow("tall and thin keeps 350") << QSize(360, 4000) << 3 << QSize(348, 630);
        QTest::newRow("tall narrow picture capped") << QSize(100, 1000) << 4 << QSize(348, 800);
        QTest::newRow("one pixel high") << QSize(1000, 1) << 4 << QSize(1000, 32);
        QTest::newRow("empty picture") << QSize(0, 0) << 3 << QSize(348, 348);
    }

    void boardSize()
    {
        QFETCH(QSize, picture);
        QFETCH(int, n);
        QFETCH(QSize, board);
        const BoardRoom room{QSize(1230, 800), 20, 50};
        const QSize size = boardSizeFor(picture, room, n);
        QCOMPARE(size, board);
        QCOMPARE(size.width() % n, 0);
        QCOMPARE(size.height() % n, 0);
    }

    void neverNarrowerThan350InANarrowRoom()
    {
        // A work area under 400 pixels wide leaves less than 350 of room.
        const BoardRoom room{QSize(300, 800), 20, 50};
        QCOMPARE(boardSizeFor(QSize(1000, 1000), room, 4), QSize(348, 348));
        QCOMPARE(boardSizeFor(QSize(1000, 2000), room, 4), QSize(348, 628));
    }

    void boardCutToTheRoomKeepsThePicturesShape_data()
    {
        QTest::addColumn<QSize>("work");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("board");
        // Caption 30, menu bar 20, toolbar 40, status bar 22: the room is the work area less
        // 50 x 162.
        QTest::newRow("3:2 on 1920 x 1080")
            << QSize(1920, 1080) << QSize(3000, 2000) << QSize(1376, 916);
        QTest::newRow("3:2 on 2560 x 1440")
            << QSize(2560, 1440) << QSize(3000, 2000) << QSize(1916, 1276);
        QTest::newRow("4:3 on 1920 x 1080")
            << QSize(1920, 1080) << QSize(4000, 3000) << QSize(1224, 916);
        QTest::newRow("16:9 on 1920 x 1080")
            << QSize(1920, 1080) << QSize(3840, 2160) << QSize(1632, 916);
        QTest::newRow("2:1 not cut on 1920 x 1080")
            << QSize(1920, 1080) << QSize(4000, 2000) << QSize(1768, 824);
        QTest::newRow("portrait cut to a narrow room")
            << QSize(600, 1440) << QSize(1000, 2000) << QSize(548, 1100);
        QTest::newRow("portrait not cut on 2560 x 1440")
            << QSize(2560, 1440) << QSize(2000, 3000) << QSize(744, 1116);
    }

    void boardCutToTheRoomKeepsThePicturesShape()
    {
        QFETCH(QSize, work);
        QFETCH(QSize, picture);
        QFETCH(QSize, board);
        const BoardRoom room = boardRoomIn(QRect(QPoint(0, 0), work), {30, 20, 40, true}, 22);
        QCOMPARE(boardSizeFor(picture, room, 4), board);
    }

    void fullScreenFillsOneWayKeepingTheShape_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("board");
        QTest::newRow("3:2 photo, as tall as the area")
            << QSize(3000, 2000) << QSize(1920, 1000) << 4 << QSize(1500, 1000);
        QTest::newRow("small picture grows to the width")
            << QSize(300, 100) << QSize(1920, 1000) << 3 << QSize(1920, 639);
        QTest::newRow("portrait") << QSize(1000, 2000) << QSize(1920, 1000) << 7 << QSize(497, 994);
        QTest::newRow("whole tiles at 4K")
            << QSize(350, 351) << QSize(3840, 2000) << 10 << QSize(1990, 2000);
        QTest::newRow("never tiles under 8 pixels")
            << QSize(4000, 10) << QSize(800, 600) << 10 << QSize(800, 80);
    }

    void fullScreenFillsOneWayKeepingTheShape()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, area);
        QFETCH(int, n);
        QFETCH(QSize, board);
        QCOMPARE(boardFillingSize(picture, area, n), board);
    }

    void roomLeavesTheWindowsBands()
    {
        const QRect work(0, 30, 1920, 1050);
        const WindowBands bands{30, 20, 40, true};
        const BoardRoom room = boardRoomIn(work, bands, 22);
        QCOMPARE(room.available, QSize(1870, 1050 - 30 - 40 - 20 - 22 - 50));
        QCOMPARE(room.menuBarHeight, 20);
        QCOMPARE(room.toolbarBand, 40);
        // A hidden toolbar still costs the room its band; only a scaled board gets it back.
        const BoardRoom hidden = boardRoomIn(work, {30, 20, 40, false}, 0);
        QCOMPARE(hidden.available, QSize(1870, 1050 - 30 - 40 - 20 - 50));
        QCOMPARE(hidden.toolbarBand, 0);
    }

    void windowKeptWithinTheRoom_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("kept");
        // Work area at (0, 30), 1920 x 1050; room 1870 x 900.
        QTest::newRow("inside") << QRect(100, 100, 800, 600) << QPoint(100, 100);
        QTest::newRow("off the right") << QRect(1200, 100, 800, 600) << QPoint(50, 100);
        QTest::newRow("off the right, already left")
            << QRect(40, 100, 1900, 600) << QPoint(40, 100);
        QTest::newRow("too low") << QRect(100, 400, 800, 600) << QPoint(100, 35);
        QTest::newRow("both") << QRect(1500, 500, 800, 600) << QPoint(50, 35);
    }

    void windowKeptWithinTheRoom()
    {
        QFETCH(QRect, frame);
        QFETCH(QPoint, kept);
        QCOMPARE(keptOnScreen(frame, QRect(0, 30, 1920, 1050), QSize(1870, 900)), kept);
    }
};

TW_REGISTER_TEST(TestBoardSize)
#include "tst_boardsize.moc"
