// Benchmarks of a phone photo from file to board: each new path beside the old full decode.
#include "game/boardpainter.h"
#include "game/boardsize.h"
#include "game/gameflow.h"
#include "game/playersettings.h"
#include "game/puzzleloader.h"
#include "game/solutiondialog.h"
#include "peakmemory.h"
#include "pictures/folderscanner.h"
#include "pictures/picture.h"
#include "pictures/pictureframe.h"
#include "pictures/zippicturesource.h"
#include "platform/randomengine.h"
#include "testfiles.h"
#include "testzip.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {
// With TW_BENCH_EXACT_PEAKS=1 every large block is mapped on its own and returned when freed,
// so the resident peak counts what a step holds, not what the allocator kept from an earlier
// one; each step then also pays for fresh pages, as a game's first New does. Without it the
// allocator works as in a game that has run a while.
const bool exactPeaks = qEnvironmentVariableIntValue("TW_BENCH_EXACT_PEAKS") == 1 &&
                        mallopt(M_MMAP_THRESHOLD, 64 * 1024) == 1;

const BoardPainter::HoleColours Hole{Qt::lightGray, Qt::darkGray};
// The room on a 1650 x 1210 work area with the usual menu bar and toolbar: a 6000 x 4000
// photo gets a board of 1500 x 930 at ten tiles a side.
const BoardRoom Room{QSize(1600, 1100), 25, 40};
constexpr int Grid = 10;

// A photo-like JPEG at quality 85, as phones write them, made the same on every run.
struct Photo {
    explicit Photo(QSize size)
        : bytes(encoded(photoLikeImage(size.width(), size.height()), "JPG", 85))
        , path(folder.filePath(QStringLiteral("photo.jpg")))
    {
        writeFile(path, bytes);
    }
    QTemporaryDir folder;
    QByteArray bytes;
    QString path;
};

const Photo& photo24()
{
    static const Photo photo(QSize(6000, 4000));
    return photo;
}

const Photo& photo96()
{
    static const Photo photo(QSize(12000, 8000));
    return photo;
}

PictureFit boardFit(qreal ratio)
{
    return [ratio](QSize natural) {
        return boardPixelsFor(natural, Room, ratio);
    };
}

// One laid-out board: what the painter draws, and its size.
struct Scene {
    Round round;
    PlayerSettings settings;
    QSize tile;
    QSize board() const { return tile * round.board.dimension(); }
    BoardScene drawn() const { return {round, settings, tile}; }
};

void layOut(Scene& state, QSize picture, int n)
{
    const QSize board = boardSizeFor(picture, Room, n);
    state.round.board = Board(PuzzleMode::TileSwap, n);
    state.tile = QSize(board.width() / n, board.height() / n);
}

// The screen the board is painted on, in device pixels.
QImage screenFor(const Scene& state, qreal ratio)
{
    QImage screen(devicePixels(state.board(), ratio), QImage::Format_ARGB32_Premultiplied);
    screen.setDevicePixelRatio(ratio);
    return screen;
}

// The old path: the whole picture decoded at full size, its whole tiles copied out, the copy
// scaled to the board, each tile then copied to its cell.
QImage decodeWhole(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    return reader.read();
}

QImage oldBoardImage(const QImage& whole, const Scene& state)
{
    const int n = state.round.board.dimension();
    return whole.copy(0, 0, whole.width() / n * n, whole.height() / n * n)
        .scaled(state.board(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void oldPaint(QImage& screen, const QImage& scaled, const Scene& state)
{
    QPainter on(&screen);
    const int n = state.round.board.dimension();
    for (int col = 0; col < n; ++col) {
        for (int row = 0; row < n; ++row) {
            const Cell home = state.round.board.homeCell(state.round.board.at({col, row}));
            on.drawImage(QPoint(col * state.tile.width(), row * state.tile.height()), scaled,
                         QRect(home.col * state.tile.width(), home.row * state.tile.height(),
                               state.tile.width(), state.tile.height()));
        }
    }
}

void oldNewPuzzle(const QByteArray& bytes, RandomEngine& random, QImage* screen)
{
    const QImage whole = decodeWhole(bytes);
    Scene state;
    layOut(state, whole.size(), Grid);
    state.round.board.jumble(random);
    if (!whole.isNull())
        oldPaint(*screen, oldBoardImage(whole, state), state);
}

// Reading the file, decoding, laying out, jumbling and the first paint, as New does.
void newPuzzle(const QString& path, RandomEngine& random, QImage* screen)
{
    PuzzleLoader loader(random);
    loader.open(path, 1, 0, boardFit(1));
    const Picture& picture = loader.picture();
    Scene state;
    layOut(state, picture.size(), Grid);
    state.round.board.jumble(random);
    BoardPainter painter;
    QPainter on(screen);
    painter.paint(on, state.drawn(), picture, Hole);
}

// One untimed run for the peak memory (exact with --exact-peaks), after one that loads the
// decoders.
template <typename Step> void measured(benchmark::State& run, Step step)
{
    step();
    const PeakMemory peak;
    step();
    run.counters["peak_MiB"] = peak.grownMiB();
    for (auto _ : run)
        step();
}

void BM_OldNewPuzzle24MP(benchmark::State& run)
{
    RandomEngine random(9);
    QImage screen(1500, 930, QImage::Format_ARGB32_Premultiplied);
    measured(run, [&] { oldNewPuzzle(readFile(photo24().path), random, &screen); });
}

void BM_NewPuzzle24MP(benchmark::State& run)
{
    run.counters["file_MiB"] = photo24().bytes.size() / (1024.0 * 1024.0);
    RandomEngine random(9);
    QImage screen(1500, 930, QImage::Format_ARGB32_Premultiplied);
    measured(run, [&] { newPuzzle(photo24().path, random, &screen); });
}

void BM_NewPuzzle96MP(benchmark::State& run)
{
    run.counters["file_MiB"] = photo96().bytes.size() / (1024.0 * 1024.0);
    RandomEngine random(9);
    QImage screen(1500, 930, QImage::Format_ARGB32_Premultiplied);
    measured(run, [&] { newPuzzle(photo96().path, random, &screen); });
}

// Options > Puzzle size, between 9 and 10 tiles a side.
void BM_OldSizeChange24MP(benchmark::State& run)
{
    RandomEngine random(9);
    QImage screen(1500, 930, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : run)
        oldNewPuzzle(readFile(photo24().path), random, &screen);
}

void BM_SizeChange24MP(benchmark::State& run)
{
    RandomEngine random(9);
    Picture picture;
    picture.loadFromFile(photo24().path, boardFit(1));
    Scene state;
    BoardPainter painter;
    QImage screen(1500, 930, QImage::Format_ARGB32_Premultiplied);
    int n = Grid;
    for (auto _ : run) {
        n = n == Grid ? Grid - 1 : Grid;
        picture.cover(boardPixelsFor(picture.size(), Room, 1));
        layOut(state, picture.size(), n);
        state.round.board.jumble(random);
        QPainter on(&screen);
        painter.paint(on, state.drawn(), picture, Hole);
    }
}

// Show solution: the old window decoded the file again and stretched it, nearest neighbour.
void BM_OldShowSolution24MP(benchmark::State& run)
{
    QImage window(243, 182, QImage::Format_ARGB32_Premultiplied);
    measured(run, [&] {
        const QImage whole = decodeWhole(readFile(photo24().path));
        QPainter(&window).drawImage(QRect(23, 29, 200, 133), whole);
    });
}

void BM_ShowSolution24MP(benchmark::State& run)
{
    Picture board;
    board.loadFromFile(photo24().path, boardFit(1));
    measured(run, [&] {
        SolutionDialog solution(board, nullptr);
        benchmark::DoNotOptimize(solution.grab());
    });
}

// The open dialog's preview of a selected photo, in its 152 x 133 frame.
void BM_OldOpenPreview24MP(benchmark::State& run)
{
    QImage frame(152, 133, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : run) {
        const QImage whole = decodeWhole(readFile(photo24().path));
        QPainter(&frame).drawImage(QRect(3, 9, 149, 124), whole);
    }
}

void BM_OpenPreview24MP(benchmark::State& run)
{
    const QRect frameRect(0, 0, 152, 133);
    QImage frame(frameRect.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : run) {
        Picture preview;
        preview.loadFromFile(photo24().path, frameFit(frameRect, 1));
        QPainter on(&frame);
        drawInFrame(&on, preview, frameRect);
    }
}

// The first paint after a New builds the tiles; the old one scaled the whole decoded picture.
// With range(0) 1 the tiles carry their numbers.
void BM_OldFirstPaint10x10(benchmark::State& run)
{
    const QImage whole = decodeWhole(photo24().bytes);
    Scene state;
    layOut(state, whole.size(), Grid);
    QImage screen = screenFor(state, 1);
    for (auto _ : run)
        oldPaint(screen, oldBoardImage(whole, state), state);
}

void BM_FirstPaint10x10(benchmark::State& run)
{
    Picture picture;
    picture.loadFromMemory(photo24().bytes, boardFit(1));
    Scene state;
    layOut(state, picture.size(), Grid);
    state.settings.tileNumbers = run.range(0) != 0;
    QImage screen = screenFor(state, 1);
    for (auto _ : run) {
        BoardPainter painter;
        QPainter on(&screen);
        painter.paint(on, state.drawn(), picture, Hole);
    }
}

// A jumbled board to repaint: range(0) is the device pixel ratio, range(1) 1 for a board of
// half the logical size (so 1500 x 930 device pixels at ratio 2), range(2) 1 for numbered
// tiles.
struct Repaint {
    explicit Repaint(const benchmark::State& run)
        : ratio(static_cast<qreal>(run.range(0)))
    {
        picture.loadFromMemory(photo24().bytes, boardFit(ratio));
        layOut(state, picture.size(), Grid);
        if (run.range(1) == 1) {
            state.tile = QSize(state.tile.width() / 2, state.tile.height() / 2);
        }
        state.settings.tileNumbers = run.range(2) != 0;
        RandomEngine random(3);
        state.round.board.jumble(random);
        screen = screenFor(state, ratio);
    }

    qreal ratio;
    Picture picture;
    Scene state;
    QImage screen;
};

void BM_Repaint10x10(benchmark::State& run)
{
    Repaint board(run);
    BoardPainter painter;
    for (auto _ : run) {
        QPainter on(&board.screen);
        painter.paint(on, board.state.drawn(), board.picture, Hole);
    }
}

// One frame of a slide of nine tiles along the bottom row, half way there: the board drawn
// with the gliding tiles where the motion has them, within the area they pass over, as the
// view asks for it. range(0) is the device pixel ratio.
void BM_AnimationFrame10x10(benchmark::State& run)
{
    const qreal ratio = static_cast<qreal>(run.range(0));
    Picture picture;
    picture.loadFromMemory(photo24().bytes, boardFit(ratio));
    Scene state;
    layOut(state, picture.size(), Grid);
    state.round.board = Board(PuzzleMode::Slider, Grid);
    const Board before = state.round.board;
    state.round.board.slide({0, Grid - 1});
    BoardMotion motion;
    motion.glides = glidesBetween(before, state.round.board);
    motion.progress = 0.5;
    QImage screen = screenFor(state, ratio);
    BoardPainter painter;
    const QRect area = glidesArea(motion.glides, state.tile);
    for (auto _ : run) {
        QPainter on(&screen);
        on.setClipRect(area);
        painter.paint(on, {state.round, state.settings, state.tile, motion}, picture, Hole);
    }
    run.counters["glides"] = static_cast<double>(motion.glides.size());
}

// The honest baseline: each tile stretched bilinearly from the decoded pixels at every paint.
void BM_BaselineBilinearRepaint10x10(benchmark::State& run)
{
    Repaint board(run);
    const Picture& picture = board.picture;
    const Scene& state = board.state;
    const QImage& pixels = picture.pixels();
    const qreal x = static_cast<qreal>(pixels.width()) / picture.width() * (picture.width() / Grid);
    const qreal y =
        static_cast<qreal>(pixels.height()) / picture.height() * (picture.height() / Grid);
    for (auto _ : run) {
        QPainter on(&board.screen);
        on.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int col = 0; col < Grid; ++col) {
            for (int row = 0; row < Grid; ++row) {
                const Cell home = state.round.board.homeCell(state.round.board.at({col, row}));
                on.drawImage(QRect(col * state.tile.width(), row * state.tile.height(),
                                   state.tile.width(), state.tile.height()),
                             pixels, QRectF(home.col * x, home.row * y, x, y));
            }
        }
    }
}
} // namespace

BENCHMARK(BM_OldNewPuzzle24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewPuzzle24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewPuzzle96MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OldSizeChange24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SizeChange24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OldShowSolution24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowSolution24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OldOpenPreview24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPreview24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OldFirstPaint10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstPaint10x10)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint10x10)
    ->Args({1, 0, 0})
    ->Args({1, 0, 1})
    ->Args({2, 1, 0})
    ->Args({2, 0, 0})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnimationFrame10x10)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaselineBilinearRepaint10x10)
    ->Args({1, 0, 0})
    ->Args({2, 1, 0})
    ->Args({2, 0, 0})
    ->Unit(benchmark::kMicrosecond);
