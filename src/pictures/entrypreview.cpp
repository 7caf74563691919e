// Entry preview: shows an archive's current picture, listing what went wrong for the player.
#include "entrypreview.h"

#include "zippicturesource.h"

QStringList showCurrentEntry(ZipPictureSource& zip, Picture& picture, const PictureFit& fit)
{
    if (zip.currentSize() > static_cast<quint64>(MaxPictureBytes))
        return {EntryProblem::NoBuffer};
    QStringList problems;
    const std::optional<QByteArray> bytes = zip.extract();
    if (!bytes)
        problems << EntryProblem::BufferError;
    if (!picture.loadFromMemory(bytes.value_or(QByteArray()), fit))
        problems << EntryProblem::CantCreatePicture;
    return problems;
}
