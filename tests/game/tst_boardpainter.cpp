// Tests of the board painter: tiles in their cells, the hole, the grid and the selection.
#include "game/boardpainter.h"
#include "game/gamestate.h"
#include "quarters.h"
#include "testregistry.h"
#include "testzip.h"

#include <QPainter>
#include <QTest>
#include <algorithm>

namespace {
const BoardPainter::HoleColours Hole{QColor(190, 190, 190), QColor(100, 100, 100)};

// A 2 x 2 board of 200 x 200 pixels showing the quarters picture.
GameState twoByTwo(PuzzleMode mode)
{
    GameState state;
    state.dimension = 2;
    state.puzzleMode = mode == PuzzleMode::Slider ? 1 : 0;
    state.boardWidth = state.boardHeight = 200;
    state.tileWidth = state.tileHeight = 100;
    state.board.setSolved(mode, 2);
    return state;
}

// The board painted on a surface of the given device pixel ratio, in its device pixels.
QImage painted(const GameState& state, const Picture& picture, qreal ratio = 1)
{
    QImage canvas(devicePixels({state.boardWidth, state.boardHeight}, ratio), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::magenta);
    QPainter painter(&canvas);
    BoardPainter board;
    board.paint(painter, state, picture, Hole);
    painter.end();
    canvas.setDevicePixelRatio(1);
    return canvas;
}

// A 3 x 3 board of odd-sized tiles, whose edges fall between device pixels at 1.5.
GameState threeByThree()
{
    GameState state;
    state.dimension = 3;
    state.tileWidth = 101;
    state.tileHeight = 75;
    state.boardWidth = 303;
    state.boardHeight = 225;
    state.board.setSolved(PuzzleMode::TileSwap, 3);
    return state;
}

bool columnsEqual(const QImage& image, int a, int b)
{
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(a, y) != image.pixel(b, y))
            return false;
    return true;
}

// Which pixels of the area are nearly white: the glyphs of a tile number's badge.
QVector<bool> whiteIn(const QImage& image, const QRect& area)
{
    QVector<bool> white;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            white << (qGray(image.pixel(x, y)) > 230);
    return white;
}

// How many pixels of the area are darker than the colour: under a badge.
int darkenedIn(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < qGray(colour.rgb()) / 2 ? 1 : 0;
    return count;
}

bool rowsEqual(const QImage& image, int a, int b)
{
    return std::equal(image.constScanLine(a), image.constScanLine(a) + image.bytesPerLine(),
                      image.constScanLine(b));
}
} // namespace

class TestBoardPainter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Quarters::load(picture_)); }

    void tilesShowTheirPartOfThePicture()
    {
        GameState state = twoByTwo(PuzzleMode::TileSwap);
        state.board.swap({0, 0}, {1, 1});
        const QImage board = painted(state, picture_);
        QCOMPARE(board.pixelColor(50, 50), Quarters::BottomRight);
        QCOMPARE(board.pixelColor(150, 150), Quarters::TopLeft);
        QCOMPARE(board.pixelColor(150, 50), Quarters::TopRight);
        // Unsolved: the grid shows, black by default, with its closing lines.
        QCOMPARE(board.pixelColor(100, 50), QColor(Qt::black));
        QCOMPARE(board.pixelColor(50, 0), QColor(Qt::black));
        QCOMPARE(board.pixelColor(199, 50), QColor(Qt::black));
        QCOMPARE(board.pixelColor(50, 199), QColor(Qt::black));
    }

    void solvedBoardHasNoGrid()
    {
        GameState state = twoByTwo(PuzzleMode::TileSwap);
        state.gridColour = 2;
        const QImage board = painted(state, picture_);
        QCOMPARE(board.pixelColor(100, 50), Quarters::TopRight);
        QCOMPARE(board.pixelColor(199, 199), Quarters::BottomRight);
        state.board.swap({0, 0}, {1, 0});
        QCOMPARE(painted(state, picture_).pixelColor(100, 50), QColor(Qt::red));
        state.grid = 0;
        QCOMPARE(painted(state, picture_).pixelColor(100, 50), Quarters::TopLeft);
    }

    void tileNumbersFollowTheirTiles()
    {
        GameState state = twoByTwo(PuzzleMode::Slider);
        state.grid = 0;
        state.tileNumbers = 1;
        const QRect badge(0, 0, 50, 40); // of a cell's top-left corner
        const QImage board = painted(state, picture_);
        // Dark translucent, in the padding left of the number.
        QVERIFY(qAbs(board.pixelColor(5, 12).red() - Quarters::TopLeft.red() * 105 / 255) < 2);
        QVERIFY(whiteIn(board, badge).contains(true));
        QCOMPARE(board.pixelColor(70, 70), Quarters::TopLeft); // the rest of the tile
        QCOMPARE(board.pixelColor(104, 104), Hole.face);       // no number on the hole
        const QVector<bool> one = whiteIn(board, badge);
        const QVector<bool> two = whiteIn(board, badge.translated(100, 0));
        QVERIFY(one != two);
        // The number is the tile's own, wherever the tile lies.
        state.board.swap({0, 0}, {1, 0});
        const QImage swapped = painted(state, picture_);
        QCOMPARE(whiteIn(swapped, badge), two);
        QCOMPARE(whiteIn(swapped, badge.translated(100, 0)), one);
        // Scaled with the tile: at twice the pixels, the badge covers four times as many.
        const int atOne = darkenedIn(board, QRect(0, 0, 100, 100), Quarters::TopLeft);
        const int atTwo =
            darkenedIn(painted(state, picture_, 2), QRect(200, 0, 200, 200), Quarters::TopLeft);
        QVERIFY2(atTwo > 3 * atOne && atTwo < 5 * atOne, qPrintable(QString::number(atTwo)));
        state.tileNumbers = 0;
        QCOMPARE(painted(state, picture_).pixelColor(5, 12), Quarters::TopRight);
    }

    void holeLooksSunken()
    {
        GameState state = twoByTwo(PuzzleMode::Slider);
        state.grid = 0;
        const QImage board = painted(state, picture_);
        QCOMPARE(board.pixelColor(150, 150), Hole.face);
        QCOMPARE(board.pixelColor(150, 100), Hole.shadow);
        QCOMPARE(board.pixelColor(100, 150), Hole.shadow);
        QCOMPARE(board.pixelColor(150, 199), QColor(Qt::white));
        QCOMPARE(board.pixelColor(199, 150), QColor(Qt::white));
    }

    void selectionStaysInsideTheBoard()
    {
        GameState state = twoByTwo(PuzzleMode::TileSwap);
        state.grid = 0;
        state.selColour = 1;
        state.selectedTile = 3;
        state.selectedCol = 1;
        state.selectedRow = 1;
        const QImage last = painted(state, picture_);
        QCOMPARE(last.pixelColor(199, 150), QColor(Qt::yellow));
        QCOMPARE(last.pixelColor(150, 199), QColor(Qt::yellow));
        QCOMPARE(last.pixelColor(100, 150), QColor(Qt::yellow));
        state.selectedTile = 0;
        state.selectedCol = 0;
        state.selectedRow = 0;
        state.selColour = 7; // unknown colours draw red
        const QImage first = painted(state, picture_);
        QCOMPARE(first.pixelColor(100, 50), QColor(Qt::red));
        QCOMPARE(first.pixelColor(99, 50), Quarters::TopLeft);
    }

    void coloursByIndex()
    {
        QCOMPARE(gridColour(1), QColor(255, 255, 255));
        QCOMPARE(gridColour(2), QColor(255, 0, 0));
        QCOMPARE(gridColour(9), QColor(0, 0, 0));
        QCOMPARE(selectionColour(0), QColor(0, 0, 0));
        QCOMPARE(selectionColour(1), QColor(255, 255, 0));
        QCOMPARE(selectionColour(-1), QColor(255, 0, 0));
    }

    void sharpAtAnyPixelRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }

    void sharpAtAnyPixelRatio()
    {
        QFETCH(qreal, ratio);
        Picture detailed;
        QVERIFY(detailed.loadFromMemory(encoded(photoLikeImage(1212, 900), "PNG")));
        GameState state = threeByThree();
        state.board.swap({0, 0}, {2, 1});
        state.grid = 0;
        const QImage board = painted(state, detailed, ratio);
        QCOMPARE(board.size(), devicePixels({303, 225}, ratio));
        // Every device pixel is a pixel of its own, not a copy of its neighbour's.
        for (int x = 0; x + 1 < board.width(); ++x)
            QVERIFY2(!columnsEqual(board, x, x + 1), qPrintable(QString::number(x)));
        for (int y = 0; y + 1 < board.height(); ++y)
            QVERIFY2(!rowsEqual(board, y, y + 1), qPrintable(QString::number(y)));

        // Lines are one logical pixel of whole device pixels, starting on a cell's edge.
        state.grid = 1;
        state.selectedTile = 4;
        state.selectedCol = state.selectedRow = 1;
        state.selColour = 1;
        const QImage lined = painted(state, detailed, ratio);
        const int edge = qRound(101 * ratio); // the second column's left edge
        const int width = qRound(ratio);
        for (int x = edge; x < edge + width; ++x)
            QCOMPARE(lined.pixelColor(x, 10), QColor(Qt::black));
        QVERIFY(lined.pixelColor(edge - 1, 10) != QColor(Qt::black));
        QVERIFY(lined.pixelColor(edge + width, 10) != QColor(Qt::black));
        QCOMPARE(lined.pixelColor(edge, qRound(75 * ratio) + width), QColor(Qt::yellow));
        QVERIFY(lined.pixelColor(edge + width, qRound(75 * ratio) + width) != Qt::yellow);
    }

    void tilesNeverTakeTheirNeighboursColours()
    {
        // Scaled up by 1.5 x 1.16, each tile from its own quarter: the board's seams show
        // exactly the colours of the tiles that meet there.
        GameState state = twoByTwo(PuzzleMode::TileSwap);
        state.grid = 0;
        state.tileWidth = state.tileHeight = 77;
        state.boardWidth = state.boardHeight = 154;
        state.board.swap({0, 0}, {1, 1});
        const QImage board = painted(state, picture_, 1.5);
        const int seam = qRound(77 * 1.5);
        for (int y = 0; y < seam; y += 7) {
            QCOMPARE(board.pixelColor(seam - 1, y), Quarters::BottomRight);
            QCOMPARE(board.pixelColor(seam, y), Quarters::TopRight);
            QCOMPARE(board.pixelColor(0, y), Quarters::BottomRight);
        }
        QCOMPARE(board.pixelColor(10, seam - 1), Quarters::BottomRight);
        QCOMPARE(board.pixelColor(10, seam), Quarters::BottomLeft);
    }

    void nothingBeforeTheFirstLayout()
    {
        GameState state;
        QImage canvas(50, 50, QImage::Format_RGB32);
        canvas.fill(Qt::magenta);
        QPainter painter(&canvas);
        BoardPainter board;
        board.paint(painter, state, picture_, Hole);
        QCOMPARE(canvas.pixelColor(10, 10), QColor(Qt::magenta));
    }

private:
    Picture picture_;
};

TW_REGISTER_TEST(TestBoardPainter)
#include "tst_boardpainter.moc"
