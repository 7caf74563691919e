// Tests of the board painter: tiles in their cells, the hole, the grid and the selection.
#include "game/boardpainter.h"
#include "game/gameflow.h"
#include "game/playersettings.h"
#include "quarters.h"
#include "testregistry.h"
#include "testzip.h"

#include <QPainter>
#include <QTest>
#include <algorithm>

namespace {
const BoardPainter::HoleColours Hole{QColor(190, 190, 190), QColor(100, 100, 100)};

// What a paint shows: a round as the settings draw it, in tiles of a logical size.
struct Scene {
    Round round;
    PlayerSettings settings;
    QSize tile;

    Scene(PuzzleMode mode, int n, QSize tileSize)
        : tile(tileSize)
    {
        round.board = Board(mode, n);
    }
    QSize board() const { return tile * round.board.dimension(); }
};

// A 2 x 2 board of 200 x 200 pixels showing the quarters picture.
Scene twoByTwo(PuzzleMode mode)
{
    return Scene(mode, 2, {100, 100});
}

// The board painted on a surface of the given device pixel ratio, in its device pixels, with
// the tiles of a move on their way or in a peek.
QImage painted(const Scene& scene, const Picture& picture, qreal ratio = 1,
               const BoardMotion& motion = {}, bool peek = false)
{
    QImage canvas(devicePixels(scene.board(), ratio), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::magenta);
    QPainter painter(&canvas);
    BoardPainter board;
    board.paint(painter, {scene.round, scene.settings, scene.tile, motion, peek}, picture, Hole);
    painter.end();
    canvas.setDevicePixelRatio(1);
    return canvas;
}

// A 3 x 3 board of odd-sized tiles, whose edges fall between device pixels at 1.5.
Scene threeByThree()
{
    return Scene(PuzzleMode::TileSwap, 3, {101, 75});
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
        Scene state = twoByTwo(PuzzleMode::TileSwap);
        state.round.board.swap({0, 0}, {1, 1});
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
        Scene state = twoByTwo(PuzzleMode::TileSwap);
        state.settings.gridColour = GridColour::Red;
        const QImage board = painted(state, picture_);
        QCOMPARE(board.pixelColor(100, 50), Quarters::TopRight);
        QCOMPARE(board.pixelColor(199, 199), Quarters::BottomRight);
        state.round.board.swap({0, 0}, {1, 0});
        QCOMPARE(painted(state, picture_).pixelColor(100, 50), QColor(Qt::red));
        state.settings.grid = false;
        QCOMPARE(painted(state, picture_).pixelColor(100, 50), Quarters::TopLeft);
    }

    void tileNumbersFollowTheirTiles()
    {
        Scene state = twoByTwo(PuzzleMode::Slider);
        state.settings.grid = false;
        state.settings.tileNumbers = true;
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
        state.round.board.swap({0, 0}, {1, 0});
        const QImage swapped = painted(state, picture_);
        QCOMPARE(whiteIn(swapped, badge), two);
        QCOMPARE(whiteIn(swapped, badge.translated(100, 0)), one);
        // Scaled with the tile: at twice the pixels, the badge covers four times as many.
        const int atOne = darkenedIn(board, QRect(0, 0, 100, 100), Quarters::TopLeft);
        const int atTwo =
            darkenedIn(painted(state, picture_, 2), QRect(200, 0, 200, 200), Quarters::TopLeft);
        QVERIFY2(atTwo > 3 * atOne && atTwo < 5 * atOne, qPrintable(QString::number(atTwo)));
        state.settings.tileNumbers = false;
        QCOMPARE(painted(state, picture_).pixelColor(5, 12), Quarters::TopRight);
    }

    void selectionShowsOnAPictureOfItsOwnColour_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << 1.0;
        QTest::newRow("2") << 2.0;
    }

    void selectionShowsOnAPictureOfItsOwnColour()
    {
        QFETCH(qreal, ratio);
        QImage flat(400, 400, QImage::Format_RGB32);
        flat.fill(Qt::yellow);
        Picture yellow;
        QVERIFY(yellow.loadFromMemory(encoded(flat, "PNG")));
        Scene state(PuzzleMode::TileSwap, 4, {100, 100});
        state.settings.selColour = SelectionColour::Yellow;
        state.round.board.swap({0, 0}, {3, 3}); // unsolved: the grid shows as well
        state.round.selected = Cell{1, 1};
        const QImage board = painted(state, yellow, ratio);
        // Across the left edge of the selected cell and of the one below it, a few logical
        // pixels in: the selected one changes from the picture clearly, its neighbour not.
        const auto differs = [&](int cellTop) {
            int most = 0;
            for (int x = 101; x < 108; ++x) {
                const QColor seen =
                    board.pixelColor(qRound(x * ratio), qRound((cellTop + 50) * ratio));
                most = std::max(most, qAbs(qGray(seen.rgb()) - qGray(QColor(Qt::yellow).rgb())));
            }
            return most;
        };
        QVERIFY2(differs(100) > 150, qPrintable(QString::number(differs(100))));
        QCOMPARE(differs(200), 0);
        // The outline itself stays in the selection colour, where the grid would run.
        QCOMPARE(board.pixelColor(qRound(150 * ratio), qRound(100 * ratio)), QColor(Qt::yellow));
    }

    void finishedSliderShowsThePictureWhole()
    {
        Scene state = twoByTwo(PuzzleMode::Slider);
        state.settings.tileNumbers = true;
        state.round.solvedByMove = true;
        const QImage finished = painted(state, picture_);
        QCOMPARE(finished.pixelColor(150, 150), Quarters::BottomRight); // in the hole
        QCOMPARE(finished.pixelColor(5, 12), Quarters::TopLeft);        // no number
        // Halfway through the finish, the missing tile is half there.
        BoardMotion half;
        half.finish = 0.5;
        const QColor blended = painted(state, picture_, 1, half).pixelColor(150, 150);
        QVERIFY(qAbs(blended.red() - (Quarters::BottomRight.red() + Hole.face.red()) / 2) < 4);
        // Not finished by a move: the hole and the numbers show.
        state.round.solvedByMove = false;
        const QImage playing = painted(state, picture_);
        QCOMPARE(playing.pixelColor(150, 150), Hole.face);
        QVERIFY(playing.pixelColor(5, 12) != Quarters::TopLeft);
        // Over and moved on from solved: the hole again.
        state.round.puzzleOver = true;
        QVERIFY(state.round.board.slide({0, 1}));
        QCOMPARE(painted(state, picture_).pixelColor(50, 150), Hole.face);
    }

    void glidingTilesAreDrawnOnTheirWay()
    {
        Scene state = twoByTwo(PuzzleMode::Slider);
        state.settings.grid = false;
        QVERIFY(state.round.board.slide({0, 1})); // the bottom-left tile slid right
        BoardMotion motion;
        motion.glides = {{2, {0, 1}, {1, 1}}};
        motion.progress = 0.25;
        const QImage board = painted(state, picture_, 1, motion);
        QCOMPARE(board.pixelColor(20, 150), Hole.face);             // uncovered behind it
        QCOMPARE(board.pixelColor(30, 150), Quarters::BottomLeft);  // a quarter of the way
        QCOMPARE(board.pixelColor(120, 150), Quarters::BottomLeft); // its right part
        QCOMPARE(board.pixelColor(130, 150), Hole.face);            // not yet there
        motion.progress = 1;
        QCOMPARE(painted(state, picture_, 1, motion).pixelColor(130, 150), Quarters::BottomLeft);
    }

    void peekShowsTheFinishedPictureAlone()
    {
        Scene state = twoByTwo(PuzzleMode::Slider);
        state.settings.tileNumbers = true;
        QVERIFY(state.round.board.slide({0, 1}));
        QVERIFY(state.round.board.slide({0, 0}));
        const QImage peek = painted(state, picture_, 1, {}, true);
        QCOMPARE(peek.pixelColor(50, 50), Quarters::TopLeft);
        QCOMPARE(peek.pixelColor(150, 150), Quarters::BottomRight);
        QCOMPARE(peek.pixelColor(100, 50), Quarters::TopRight); // no grid
        QCOMPARE(peek.pixelColor(5, 12), Quarters::TopLeft);    // no numbers
        QCOMPARE(painted(state, picture_).pixelColor(50, 50), Hole.face);
    }

    void holeLooksSunken()
    {
        Scene state = twoByTwo(PuzzleMode::Slider);
        state.settings.grid = false;
        const QImage board = painted(state, picture_);
        QCOMPARE(board.pixelColor(150, 150), Hole.face);
        QCOMPARE(board.pixelColor(150, 100), Hole.shadow);
        QCOMPARE(board.pixelColor(100, 150), Hole.shadow);
        QCOMPARE(board.pixelColor(150, 199), QColor(Qt::white));
        QCOMPARE(board.pixelColor(199, 150), QColor(Qt::white));
    }

    void selectionStaysInsideTheBoard()
    {
        Scene state = twoByTwo(PuzzleMode::TileSwap);
        state.settings.grid = false;
        state.settings.selColour = SelectionColour::Yellow;
        state.round.selected = Cell{1, 1};
        const QImage last = painted(state, picture_);
        QCOMPARE(last.pixelColor(199, 150), QColor(Qt::yellow));
        QCOMPARE(last.pixelColor(150, 199), QColor(Qt::yellow));
        QCOMPARE(last.pixelColor(100, 150), QColor(Qt::yellow));
        state.round.selected = Cell{0, 0};
        state.settings.selColour = SelectionColour::Red;
        const QImage first = painted(state, picture_);
        QCOMPARE(first.pixelColor(100, 50), QColor(Qt::red));
        QCOMPARE(first.pixelColor(99, 50), QColor(Qt::white)); // the contrasting outline
        QCOMPARE(first.pixelColor(94, 50), Quarters::TopLeft);
    }

    void colours()
    {
        QCOMPARE(gridColour(GridColour::Black), QColor(0, 0, 0));
        QCOMPARE(gridColour(GridColour::White), QColor(255, 255, 255));
        QCOMPARE(gridColour(GridColour::Red), QColor(255, 0, 0));
        QCOMPARE(selectionColour(SelectionColour::Black), QColor(0, 0, 0));
        QCOMPARE(selectionColour(SelectionColour::Yellow), QColor(255, 255, 0));
        QCOMPARE(selectionColour(SelectionColour::Red), QColor(255, 0, 0));
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
        Scene state = threeByThree();
        state.round.board.swap({0, 0}, {2, 1});
        state.settings.grid = false;
        const QImage board = painted(state, detailed, ratio);
        QCOMPARE(board.size(), devicePixels({303, 225}, ratio));
        // Every device pixel is a pixel of its own, not a copy of its neighbour's.
        for (int x = 0; x + 1 < board.width(); ++x)
            QVERIFY2(!columnsEqual(board, x, x + 1), qPrintable(QString::number(x)));
        for (int y = 0; y + 1 < board.height(); ++y)
            QVERIFY2(!rowsEqual(board, y, y + 1), qPrintable(QString::number(y)));

        // Lines are one logical pixel of whole device pixels, starting on a cell's edge.
        state.settings.grid = true;
        state.round.selected = Cell{1, 1};
        state.settings.selColour = SelectionColour::Yellow;
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
        Scene state = twoByTwo(PuzzleMode::TileSwap);
        state.settings.grid = false;
        state.tile = QSize(77, 77);
        state.round.board.swap({0, 0}, {1, 1});
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
        const Round round;
        const PlayerSettings settings;
        QImage canvas(50, 50, QImage::Format_RGB32);
        canvas.fill(Qt::magenta);
        QPainter painter(&canvas);
        BoardPainter board;
        board.paint(painter, {round, settings, QSize()}, picture_, Hole);
        QCOMPARE(canvas.pixelColor(10, 10), QColor(Qt::magenta));
    }

private:
    Picture picture_;
};

TW_REGISTER_TEST(TestBoardPainter)
#include "tst_boardpainter.moc"
