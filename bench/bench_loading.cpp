// Benchmarks of loading pictures off the window's thread, each beside the way it was done on
// the window's own: New with the next pick decoded in advance, the window's longest stall
// while a 48-megapixel PNG loads, and the newer photo formats' decoding.
#include "app/mainframe.h"
#include "codecs/signatures.h"
#include "fakes.h"
#include "game/boardview.h"
#include "game/puzzleloader.h"
#include "peakmemory.h"
#include "photoencoder.h"
#include "platform/profilestore.h"
#include "platform/programfile.h"
#include "platform/randomengine.h"
#include "testfiles.h"
#include "testzip.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {
// The game's window over a folder of pictures, started on the first of them, or on a random
// one as New picks it.
struct Game {
    explicit Game(const std::vector<std::pair<QString, QByteArray>>& pictures,
                  bool startOnFirst = true)
        : profile(folder.filePath(QStringLiteral("tilewright.ini")))
    {
        for (const auto& [name, bytes] : pictures)
            writeFile(folder.filePath(name), bytes);
        frame = std::make_unique<MainFrame>(
            FrameServices{profile, random, sounds, clock, shell, threads},
            ProgramFile::at(folder.filePath(QStringLiteral("tilewright"))),
            startOnFirst ? folder.filePath(pictures.front().first) : QString());
        frame->show();
    }
    bool waitFor(const std::function<bool()>& done) const { return QTest::qWaitFor(done, 60000); }

    QTemporaryDir folder;
    ProfileStore profile;
    RandomEngine random{5};
    RecordingSoundPlayer sounds;
    FixedClock clock;
    RecordingShell shell;
    QThreadPool threads;
    std::unique_ptr<MainFrame> frame;
};

QByteArray jpeg24MP(quint32 seed)
{
    return encoded(photoLikeImage(6000, 4000, seed), "JPG", 85);
}

const QByteArray& png48MP()
{
    static const QByteArray png = encoded(photoLikeImage(8000, 6000), "PNG");
    return png;
}

// Before: New read and decoded the pick on the window's thread, then laid out and painted.
void BM_OldNewOnFolderOf24MP(benchmark::State& run)
{
    Game game({{"a.jpg", jpeg24MP(1)}, {"b.jpg", jpeg24MP(2)}});
    PuzzleLoader loader(game.random);
    const PictureFit fit = [](QSize natural) {
        return natural.scaled(1500, 930, Qt::KeepAspectRatio);
    };
    for (auto _ : run) {
        loader.loadRandom(game.folder.path(), fit);
        game.frame->boardView()->repaint();
    }
}

// After: the key to the painted board, the next pick decoded in advance meanwhile.
void BM_NewWithTheNextPickReady24MP(benchmark::State& run)
{
    Game game({{"a.jpg", jpeg24MP(1)}, {"b.jpg", jpeg24MP(2)}}, false);
    for (auto _ : run) {
        run.PauseTiming();
        const bool ready = game.waitFor([&] { return game.frame->nextNewReady(); });
        run.ResumeTiming();
        if (!ready)
            run.SkipWithError("the next pick was never ready");
        game.frame->execute(CommandId::New); // lays out and paints before it returns
    }
}

// The longest time the window's event loop went without a turn, from New to the new board.
double longestStallMs(Game& game)
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    ticks.start(1);
    clock.start();
    QTimer::singleShot(5, game.frame.get(), [&] { game.frame->execute(CommandId::New); });
    game.waitFor([&] { return game.frame->pictureSource().picturePath.endsWith("large.png"); });
    longest = std::max(longest, clock.elapsed() - last);
    return static_cast<double>(longest);
}

void BM_OldStallWhile48MPLoads(benchmark::State& run)
{
    RandomEngine random(5);
    PuzzleLoader loader(random);
    const QTemporaryDir folder;
    const QString large = folder.filePath(QStringLiteral("large.png"));
    writeFile(large, png48MP());
    for (auto _ : run) {
        QElapsedTimer clock;
        clock.start();
        loader.open(large, 1, 0, [](QSize) { return QSize(1130, 848); });
        run.counters["stall_ms"] = static_cast<double>(clock.elapsed());
    }
}

void BM_StallWhile48MPLoads(benchmark::State& run)
{
    for (auto _ : run) {
        run.PauseTiming();
        Game game(
            {{"small.png", encoded(photoLikeImage(600, 400), "PNG")}, {"large.png", png48MP()}});
        run.ResumeTiming();
        run.counters["stall_ms"] = longestStallMs(game);
    }
}

// Decoding a 12-megapixel phone photo at a board's size, and the memory it takes.
void decodePhoto(benchmark::State& run, PhotoCodec codec)
{
    const QByteArray file = encodedPhoto(codec, {photoLikeImage(4000, 3000)}, {.fast = true});
    if (file.isEmpty())
        run.SkipWithError("the photo could not be made");
    run.counters["file_MiB"] = file.size() / (1024.0 * 1024.0);
    const PictureFit fit = [](QSize) {
        return QSize(1500, 1125);
    };
    Picture picture;
    picture.loadFromMemory(file, fit);
    {
        const PeakMemory peak;
        picture.loadFromMemory(file, fit);
        run.counters["peak_MiB"] = peak.grownMiB();
    }
    for (auto _ : run)
        picture.loadFromMemory(file, fit);
}

void BM_Decode12MPHeic(benchmark::State& run)
{
    decodePhoto(run, PhotoCodec::Heif);
}
void BM_Decode12MPAvif(benchmark::State& run)
{
    decodePhoto(run, PhotoCodec::Avif);
}
void BM_Decode12MPJxl(benchmark::State& run)
{
    decodePhoto(run, PhotoCodec::Jxl);
}
} // namespace

BENCHMARK(BM_OldNewOnFolderOf24MP)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_NewWithTheNextPickReady24MP)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_OldStallWhile48MPLoads)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_StallWhile48MPLoads)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Decode12MPHeic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode12MPAvif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode12MPJxl)->Unit(benchmark::kMillisecond);
