// Puzzle loader: which picture a puzzle is cut from, and loading it, never failing to show one.
#include "puzzleloader.h"

#include "pictures/entrypreview.h"
#include "pictures/pictureformats.h"
#include "platform/randomengine.h"

#include <QFileInfo>
#include <optional>

PuzzleLoader::PuzzleLoader(RandomEngine& random)
    : random_(random)
{}

bool PuzzleLoader::showsArchive() const
{
    return !source_.defaultPictureShown && isArchivePath(source_.picturePath);
}

bool PuzzleLoader::load(PictureSource& source, Picture& picture, bool randomPick,
                        const PictureFit& fit)
{
    if (source.giftMode && source.picturePath == GiftPictureName)
        return picture.loadFromMemory(source.giftPicture, fit);
    if (!isArchivePath(source.picturePath))
        return picture.loadFromFile(source.picturePath, fit);
    if (!zip_.open(source.picturePath))
        return false;
    source.zipCount = zip_.count();
    if (source.zipCount <= 0)
        return false;
    if (randomPick)
        source.zipIndex = random_.below(source.zipCount) + 1;
    return zip_.goToPicture(source.zipIndex) && showCurrentEntry(zip_, picture, fit).isEmpty();
}

void PuzzleLoader::showChosen(bool shown, const PictureFit& fit)
{
    source_.defaultPictureShown = !shown;
    if (!shown)
        picture_.loadBuiltIn(fit);
}

void PuzzleLoader::loadRandom(const QString& folder, const PictureFit& fit)
{
    const std::optional<QString> pick =
        pickRandomPicture(folderScanner_.scan(folder), source_.picturePath, random_);
    if (pick)
        source_.picturePath = *pick;
    showChosen(pick && load(source_, picture_, true, fit), fit);
}

void PuzzleLoader::loadCurrent(const PictureFit& fit)
{
    showChosen(load(source_, picture_, false, fit), fit);
}

void PuzzleLoader::open(const QString& path, int zipIndex, int zipCount, const PictureFit& fit)
{
    source_.picturePath = QFileInfo(path).absoluteFilePath();
    source_.zipIndex = zipIndex;
    source_.zipCount = zipCount;
    loadCurrent(fit);
}

bool PuzzleLoader::loadOtherFromZip(const PictureFit& fit)
{
    if (source_.zipCount < 2)
        return false;
    const int previous = source_.zipIndex;
    while (source_.zipIndex == previous)
        source_.zipIndex = random_.below(source_.zipCount) + 1;
    loadCurrent(fit);
    return true;
}

void PuzzleLoader::loadGift(QByteArray picture, const PictureFit& fit)
{
    source_.giftMode = true;
    source_.giftPicture = std::move(picture);
    source_.picturePath = GiftPictureName;
    loadCurrent(fit);
}

bool PuzzleLoader::loadKept(const QString& path, int zipIndex, bool builtIn, const PictureFit& fit)
{
    // Tried on a copy, so a picture that is gone leaves the game as it was.
    PictureSource trial = source_;
    trial.picturePath = path;
    trial.zipIndex = zipIndex;
    Picture loaded;
    if (!(builtIn ? loaded.loadBuiltIn(fit) : load(trial, loaded, false, fit)))
        return false;
    picture_.loadFrom(loaded, fit);
    trial.defaultPictureShown = builtIn;
    source_ = std::move(trial);
    return true;
}

void PuzzleLoader::cover(const PictureFit& fit)
{
    if (picture_.cover(fit(picture_.size())))
        return;
    source_.defaultPictureShown = true;
    picture_.loadBuiltIn(fit);
}
