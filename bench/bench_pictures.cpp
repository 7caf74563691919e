// Benchmarks of the picture sources and decoding, each beside a baseline from the same run.
#include "bigpicture.h"
#include "game/puzzleloader.h"
#include "pictures/folderscanner.h"
#include "pictures/openpicturedialog.h"
#include "pictures/picture.h"
#include "pictures/zippicturesource.h"
#include "platform/randomengine.h"
#include "testzip.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QThreadPool>
#include <benchmark/benchmark.h>
#include <minizip/unzip.h>

namespace {
constexpr int ManyPictures = 10000;

QTemporaryDir& workFolder()
{
    static QTemporaryDir folder;
    return folder;
}

// An archive of 10,000 small JPEG pictures, made once.
const QString& manyPicturesZip()
{
    static const QString path = [] {
        const QString zip = workFolder().filePath(QStringLiteral("many.zip"));
        const QByteArray jpeg = encodedPicture(8, 8, "JPG");
        std::vector<TestZipEntry> entries;
        for (int i = 0; i < ManyPictures; ++i)
            entries.push_back({"picture" + QByteArray::number(i) + ".jpg", jpeg});
        writeTestZip(zip, entries);
        return zip;
    }();
    return path;
}

// The least any picture count must do: one minizip walk reading 58 bytes of every entry.
void BM_BaselineMinizipWalk(benchmark::State& run)
{
    const QByteArray path = QFile::encodeName(manyPicturesZip());
    for (auto _ : run) {
        unzFile zip = unzOpen64(path.constData());
        int entries = 0;
        for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
            unz_file_info64 info;
            char name[256];
            unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
            char header[58];
            unzOpenCurrentFile(zip);
            entries += unzReadCurrentFile(zip, header, sizeof header) == 58 ? 1 : 0;
            unzCloseCurrentFile(zip);
        }
        unzClose(zip);
        benchmark::DoNotOptimize(entries);
    }
}

void BM_OpenAndCount10000(benchmark::State& run)
{
    ZipPictureSource zip;
    for (auto _ : run) {
        zip.open(manyPicturesZip());
        if (zip.count() != ManyPictures)
            run.SkipWithError("wrong count");
    }
}

void BM_PreviousFromLastOf10000(benchmark::State& run)
{
    ZipPictureSource zip;
    zip.open(manyPicturesZip());
    for (auto _ : run) {
        zip.goToPicture(ManyPictures);
        zip.goToPreviousPicture();
        benchmark::DoNotOptimize(zip.currentName());
    }
}

// 2,000 pictures and 20 archives of 500 pictures each.
void BM_ScanBusyFolder(benchmark::State& run)
{
    const QDir folder(workFolder().filePath(QStringLiteral("busy")));
    if (!folder.exists()) {
        folder.mkpath(QStringLiteral("."));
        const QByteArray jpeg = encodedPicture(32, 24, "JPG");
        for (int i = 0; i < 2000; ++i) {
            QFile file(folder.filePath(QStringLiteral("p%1.jpg").arg(i)));
            file.open(QIODevice::WriteOnly);
            file.write(jpeg);
        }
        std::vector<TestZipEntry> entries;
        for (int i = 0; i < 500; ++i)
            entries.push_back({"p" + QByteArray::number(i) + ".jpg", jpeg});
        for (int i = 0; i < 20; ++i)
            writeTestZip(folder.filePath(QStringLiteral("a%1.zip").arg(i)), entries);
    }
    for (auto _ : run) {
        if (FolderScanner().scan(folder.path()).size() != 2020)
            run.SkipWithError("wrong listing");
    }
}

// The walk New made before: one listing per pattern, every archive opened every time.
QStringList everyPatternEveryArchive(const QString& root)
{
    QStringList files;
    for (const QString& pattern : FolderScanner::PicturePatterns) {
        const QFileInfoList found = QDir(root).entryInfoList({pattern}, QDir::Files | QDir::Hidden,
                                                             QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& file : found)
            if (!isArchivePath(file.filePath()) ||
                ZipPictureSource::containsPicture(file.filePath()))
                files.append(file.filePath());
    }
    return files;
}

// A folder of that many files, made once: small JPEG pictures, or archives of one each.
QString bigFolder(const QString& name, int count, bool archives)
{
    const QDir folder(workFolder().filePath(name));
    if (folder.exists())
        return folder.path();
    folder.mkpath(QStringLiteral("."));
    const QByteArray jpeg = encodedPicture(16, 12, "JPG");
    for (int i = 0; i < count; ++i) {
        const QString path =
            folder.filePath(QStringLiteral("p%1.%2").arg(i).arg(archives ? "zip" : "jpg"));
        if (archives) {
            writeTestZip(path, {{"p.jpg", jpeg}});
        } else {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(jpeg);
        }
    }
    return folder.path();
}

// A New from the folder: the pick and the loading of the picture it picked.
void newFromFolder(benchmark::State& run, const QString& folder, int count, bool before)
{
    RandomEngine random(5);
    PuzzleLoader loader(random);
    loader.loadRandom(folder, {}); // the first New
    for (auto _ : run) {
        if (before) {
            const QStringList files = everyPatternEveryArchive(folder);
            loader.open(*pickRandomPicture(files, loader.source().picturePath, random), 1, 0, {});
            if (files.size() != count || loader.source().defaultPictureShown)
                run.SkipWithError("wrong listing");
        } else {
            loader.loadRandom(folder, {});
            if (loader.source().defaultPictureShown)
                run.SkipWithError("no picture");
        }
    }
}

void BM_BaselineNewOn50000Pictures(benchmark::State& run)
{
    newFromFolder(run, bigFolder(QStringLiteral("pictures50000"), 50000, false), 50000, true);
}

void BM_NewOn50000Pictures(benchmark::State& run)
{
    newFromFolder(run, bigFolder(QStringLiteral("pictures50000"), 50000, false), 50000, false);
}

void BM_BaselineSecondNewOn5000Archives(benchmark::State& run)
{
    newFromFolder(run, bigFolder(QStringLiteral("archives5000"), 5000, true), 5000, true);
}

void BM_SecondNewOn5000Archives(benchmark::State& run)
{
    newFromFolder(run, bigFolder(QStringLiteral("archives5000"), 5000, true), 5000, false);
}

// Selecting an archive of 10,000 pictures in the open dialog: open, count, first preview.
void BM_DialogSelectsArchiveOf10000(benchmark::State& run)
{
    OpenPictureDialog dialog(*QThreadPool::globalInstance(), nullptr);
    for (auto _ : run) {
        emit dialog.currentChanged(manyPicturesZip());
        if (dialog.shownCount() != ManyPictures)
            run.SkipWithError("wrong count");
    }
}

void BM_BaselineQImageDecode24MP(benchmark::State& run)
{
    for (auto _ : run) {
        QImage image;
        image.loadFromData(bigJpeg());
        benchmark::DoNotOptimize(image.width());
    }
}

void BM_LoadFromMemory24MP(benchmark::State& run)
{
    Picture picture;
    for (auto _ : run) {
        if (!picture.loadFromMemory(bigJpeg()))
            run.SkipWithError("not decoded");
    }
}
} // namespace

BENCHMARK(BM_BaselineMinizipWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndCount10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviousFromLastOf10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanBusyFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineNewOn50000Pictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewOn50000Pictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineSecondNewOn5000Archives)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SecondNewOn5000Archives)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DialogSelectsArchiveOf10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineQImageDecode24MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromMemory24MP)->Unit(benchmark::kMillisecond);
