// Puzzle picture: chooses and loads the picture of a new puzzle, never failing to show one.
#include "puzzlepicture.h"

#include "gamestate.h"
#include "pictures/entrypreview.h"
#include "pictures/folderscanner.h"
#include "pictures/zippicturesource.h"
#include "platform/randomengine.h"

#include <optional>

namespace {
bool showsGiftPicture(const GameState& state)
{
    return state.giftMode && state.picturePath == GiftPictureName;
}

// With a random engine, a random picture of the archive; otherwise the remembered one.
bool loadFromArchive(GameState& state, Picture& picture, ZipPictureSource& zip,
                     RandomEngine* randomPick, const PictureFit& fit)
{
    if (!zip.open(state.picturePath))
        return false;
    state.zipCount = zip.count();
    if (state.zipCount <= 0)
        return false;
    if (randomPick != nullptr)
        state.zipIndex = randomPick->below(state.zipCount) + 1;
    return zip.goToPicture(state.zipIndex) && showCurrentEntry(zip, picture, fit).isEmpty();
}

bool loadPicture(GameState& state, Picture& picture, ZipPictureSource& zip,
                 RandomEngine* randomPick, const PictureFit& fit)
{
    if (showsGiftPicture(state))
        return picture.loadFromMemory(state.giftPicture, fit);
    if (isArchivePath(state.picturePath))
        return loadFromArchive(state, picture, zip, randomPick, fit);
    return picture.loadFromFile(state.picturePath, fit);
}

bool loadChosen(GameState& state, Picture& picture, ZipPictureSource& zip, FolderScanner& folder,
                RandomEngine& random, bool randomPick, const PictureFit& fit)
{
    if (!randomPick)
        return loadCurrentPicture(state, picture, zip, fit);
    const std::optional<QString> pick =
        pickRandomPicture(folder.scan(state.folder), state.picturePath, random);
    if (!pick)
        return false;
    state.picturePath = *pick;
    return loadPicture(state, picture, zip, &random, fit);
}
} // namespace

bool loadCurrentPicture(GameState& state, Picture& picture, ZipPictureSource& zip,
                        const PictureFit& fit)
{
    return loadPicture(state, picture, zip, nullptr, fit);
}

void loadPuzzlePicture(GameState& state, Picture& picture, ZipPictureSource& zip,
                       FolderScanner& folder, RandomEngine& random, bool randomPick,
                       const PictureFit& fit)
{
    state.defaultPictureShown = !loadChosen(state, picture, zip, folder, random, randomPick, fit);
    if (state.defaultPictureShown)
        picture.loadBuiltIn(fit);
}
