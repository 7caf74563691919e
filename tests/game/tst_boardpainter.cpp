// Tests of the board painter: tiles in their cells, the hole, the grid and the selection.
#include "game/boardpainter.h"
#include "game/gamestate.h"
#include "quarters.h"
#include "testregistry.h"

#include <QPainter>
#include <QTest>

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

QImage painted(const GameState& state, const Picture& picture)
{
    QImage canvas(state.boardWidth, state.boardHeight, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    QPainter painter(&canvas);
    BoardPainter board;
    board.paint(painter, state, picture, Hole);
    return canvas;
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
