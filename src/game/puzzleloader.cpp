// Puzzle loader: which picture a puzzle is cut from, and loading it, never failing to show one.
#include "puzzleloader.h"

#include "pictures/entrypreview.h"
#include "platform/randomengine.h"

#include <QFileInfo>

namespace {
PictureLoad fetchEntry(const PictureRequest& request, const PictureFit& fit,
                       FetchedPicture& fetched)
{
    ZipPictureSource zip;
    if (!zip.open(request.source.picturePath))
        return {PictureFault::Damaged};
    fetched.zipCount = zip.count();
    if (fetched.zipCount <= 0)
        return {PictureFault::NoPictures};
    if (!zip.goToPicture(request.source.zipIndex))
        return {PictureFault::NoPictures};
    fetched.entry = zip.currentName();
    return loadCurrentEntry(zip, fetched.picture, fit);
}

PictureLoad fetchChosen(const PictureRequest& request, const PictureFit& fit,
                        FetchedPicture& fetched)
{
    const PictureSource& source = request.source;
    if (!request.decided)
        return request.decided;
    if (source.defaultPictureShown)
        return fetched.picture.loadBuiltIn(fit);
    if (source.giftMode && source.picturePath == GiftPictureName)
        return fetched.picture.loadFromMemory(source.giftPicture, fit);
    if (isArchivePath(source.picturePath))
        return fetchEntry(request, fit, fetched);
    return fetched.picture.loadFromFile(source.picturePath, fit);
}
} // namespace

FetchedPicture fetchPicture(const PictureRequest& request, const PictureFit& fit)
{
    FetchedPicture fetched;
    fetched.load = fetchChosen(request, fit, fetched);
    if (!fetched.load)
        fetched.picture.loadBuiltIn(fit);
    return fetched;
}

template class BackgroundTask<FetchedPicture>;

void fetchInBackground(BackgroundTask<FetchedPicture>& task, const PictureRequest& request,
                       const PictureFit& fit, BackgroundTask<FetchedPicture>::Done done)
{
    task.start([request, fit] { return fetchPicture(request, fit); }, std::move(done));
}

PuzzleLoader::PuzzleLoader(RandomEngine& random)
    : random_(random)
{}

bool PuzzleLoader::showsArchive() const
{
    return !source_.defaultPictureShown && isArchivePath(source_.picturePath);
}

PictureRequest PuzzleLoader::chosen() const
{
    PictureRequest request{source_, {}};
    request.source.defaultPictureShown = false;
    return request;
}

PictureRequest PuzzleLoader::randomRequest(const QString& folder)
{
    PictureRequest request = chosen();
    const std::optional<QString> pick =
        pickRandomPicture(folderScanner_.scan(folder), source_.picturePath, random_);
    if (!pick) {
        request.decided = {PictureFault::NoPictures};
        return request;
    }
    request.source.picturePath = *pick;
    if (!isArchivePath(*pick))
        return request;
    // The archive's pictures are counted here, where the random engine is drawn from.
    ZipPictureSource zip;
    if (!zip.open(*pick))
        request.decided = {PictureFault::Damaged};
    else if (zip.count() <= 0)
        request.decided = {PictureFault::NoPictures};
    else
        request.source.zipIndex = random_.below(zip.count()) + 1;
    return request;
}

PictureRequest PuzzleLoader::currentRequest() const
{
    return chosen();
}

PictureRequest PuzzleLoader::openRequest(const QString& path, int zipIndex, int zipCount)
{
    PictureRequest request = chosen();
    request.source.picturePath = QFileInfo(path).absoluteFilePath();
    request.source.zipIndex = zipIndex;
    request.source.zipCount = zipCount;
    return request;
}

std::optional<PictureRequest> PuzzleLoader::otherFromZipRequest()
{
    if (source_.zipCount < 2)
        return std::nullopt;
    PictureRequest request = currentRequest();
    while (request.source.zipIndex == source_.zipIndex)
        request.source.zipIndex = random_.below(source_.zipCount) + 1;
    return request;
}

PictureRequest PuzzleLoader::giftRequest(QByteArray picture) const
{
    PictureRequest request = chosen();
    request.source.giftMode = true;
    request.source.giftPicture = std::move(picture);
    request.source.picturePath = GiftPictureName;
    return request;
}

PictureRequest PuzzleLoader::keptRequest(const QString& path, int zipIndex, bool builtIn) const
{
    PictureRequest request = chosen();
    request.source.picturePath = path;
    request.source.zipIndex = zipIndex;
    request.source.defaultPictureShown = builtIn;
    return request;
}

std::optional<UnshownPicture> PuzzleLoader::show(PictureRequest request, FetchedPicture fetched)
{
    source_ = std::move(request.source);
    if (fetched.zipCount != 0)
        source_.zipCount = fetched.zipCount;
    source_.defaultPictureShown = source_.defaultPictureShown || !fetched.load;
    picture_ = std::move(fetched.picture);
    if (fetched.load)
        return std::nullopt;
    return UnshownPicture{source_.picturePath, fetched.entry, fetched.load};
}

std::optional<UnshownPicture> PuzzleLoader::showKept(PictureRequest request, FetchedPicture fetched)
{
    // A picture that is gone leaves the game as it was.
    if (!fetched.load)
        return UnshownPicture{request.source.picturePath, fetched.entry, fetched.load};
    return show(std::move(request), std::move(fetched));
}

void PuzzleLoader::loadRandom(const QString& folder, const PictureFit& fit)
{
    const PictureRequest request = randomRequest(folder);
    show(request, fetchPicture(request, fit));
}

std::optional<UnshownPicture> PuzzleLoader::open(const QString& path, int zipIndex, int zipCount,
                                                 const PictureFit& fit)
{
    const PictureRequest request = openRequest(path, zipIndex, zipCount);
    return show(request, fetchPicture(request, fit));
}

void PuzzleLoader::cover(const PictureFit& fit)
{
    if (picture_.cover(fit(picture_.size())))
        return;
    source_.defaultPictureShown = true;
    picture_.loadBuiltIn(fit);
}
