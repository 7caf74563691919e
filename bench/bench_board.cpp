// Benchmarks of the board: jumbling the largest board, repainting it, starting a puzzle.
#include "bigpicture.h"
#include "game/boardpainter.h"
#include "game/boardsize.h"
#include "game/gamestate.h"
#include "game/puzzlepicture.h"
#include "pictures/folderscanner.h"
#include "pictures/picture.h"
#include "pictures/zippicturesource.h"
#include "platform/randomengine.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
void jumble(benchmark::State& run, PuzzleMode mode)
{
    RandomEngine random(12345);
    Board board;
    for (auto _ : run) {
        board.jumble(mode, Board::MaxDimension, random);
        benchmark::DoNotOptimize(board);
    }
}

void BM_JumbleSlider10x10(benchmark::State& run)
{
    jumble(run, PuzzleMode::Slider);
}

void BM_JumbleTileSwap10x10(benchmark::State& run)
{
    jumble(run, PuzzleMode::TileSwap);
}

// A jumbled 10 x 10 board of 1000 x 750 pixels.
GameState bigBoard()
{
    GameState state;
    state.dimension = 10;
    state.boardWidth = 1000;
    state.boardHeight = 750;
    state.tileWidth = 100;
    state.tileHeight = 75;
    RandomEngine random(3);
    state.board.jumble(PuzzleMode::TileSwap, 10, random);
    return state;
}

const Picture& bigPicture()
{
    static Picture picture;
    if (picture.isEmpty())
        picture.loadFromMemory(bigJpeg());
    return picture;
}

const BoardPainter::HoleColours Hole{Qt::lightGray, Qt::darkGray};

void BM_RepaintBoard10x10(benchmark::State& run)
{
    const GameState state = bigBoard();
    QImage screen(1000, 750, QImage::Format_ARGB32_Premultiplied);
    BoardPainter painter;
    for (auto _ : run) {
        QPainter on(&screen);
        painter.paint(on, state, bigPicture(), Hole);
    }
}

// Every tile stretched from the full-resolution picture at each repaint, as the board was
// once drawn: with the quality of our cached scaling (area-averaged), and with the cheaper
// bilinear sampling that QPainter does on the fly.
void stretchEachTile(benchmark::State& run, bool areaAveraged)
{
    const GameState state = bigBoard();
    const QImage& image = bigPicture().pixels();
    QImage screen(1000, 750, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : run) {
        QPainter on(&screen);
        on.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int col = 0; col < 10; ++col) {
            for (int row = 0; row < 10; ++row) {
                const Cell home = Board::homeCell(state.board.at({col, row}), 10);
                const QRect cell(col * 100, row * 75, 100, 75);
                const QRect source(home.col * 600, home.row * 400, 600, 400);
                if (areaAveraged)
                    on.drawImage(cell, image.copy(source).scaled(cell.size(), Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation));
                else
                    on.drawImage(cell, image, source);
            }
        }
    }
}

void BM_BaselineStretchEachTile(benchmark::State& run)
{
    stretchEachTile(run, true);
}

void BM_BaselineBilinearEachTile(benchmark::State& run)
{
    stretchEachTile(run, false);
}

// Loading the picture file, sizing and jumbling the board, and its first paint.
void BM_NewPuzzleStep(benchmark::State& run)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.jpg"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bigJpeg());
    file.close();
    RandomEngine random(9);
    QImage screen(1230, 700, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : run) {
        GameState state;
        state.dimension = 10;
        state.picturePath = path;
        Picture picture;
        ZipPictureSource zip;
        FolderScanner scanner;
        loadPuzzlePicture(state, picture, zip, scanner, random, false);
        const QSize board = boardSizeFor({picture.width(), picture.height()},
                                         {QSize(1230, 700), 25, 50}, state.dimension);
        state.boardWidth = board.width();
        state.boardHeight = board.height();
        state.tileWidth = board.width() / 10;
        state.tileHeight = board.height() / 10;
        state.board.jumble(PuzzleMode::TileSwap, 10, random);
        BoardPainter painter;
        QPainter on(&screen);
        painter.paint(on, state, picture, Hole);
    }
}
} // namespace

BENCHMARK(BM_JumbleSlider10x10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JumbleTileSwap10x10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaselineStretchEachTile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineBilinearEachTile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintBoard10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewPuzzleStep)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // image plugins are found through it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
