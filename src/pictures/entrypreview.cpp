// Entry preview: shows an archive's current picture, listing what went wrong for the player.
#include "entrypreview.h"

#include "zippicturesource.h"

PictureLoad loadCurrentEntry(ZipPictureSource& zip, Picture& picture, const PictureFit& fit)
{
    if (zip.currentSize() > static_cast<quint64>(MaxPictureBytes))
        return {PictureFault::TooLarge, {}, static_cast<qint64>(zip.currentSize())};
    const std::optional<QByteArray> bytes = zip.extract();
    if (!bytes) {
        picture.release();
        return {PictureFault::Unreadable};
    }
    return picture.loadFromMemory(*bytes, fit);
}

QStringList showCurrentEntry(ZipPictureSource& zip, Picture& picture, const PictureFit& fit)
{
    const PictureLoad load = loadCurrentEntry(zip, picture, fit);
    if (load)
        return {};
    if (load.fault == PictureFault::TooLarge && load.bytes > 0)
        return {EntryProblem::NoBuffer};
    if (load.fault == PictureFault::Unreadable)
        return {EntryProblem::BufferError, EntryProblem::CantCreatePicture};
    return {EntryProblem::CantCreatePicture};
}
