// Entry preview: shows an archive's current picture, listing what went wrong for the player.
#include "entrypreview.h"

#include "folderscanner.h"
#include "picture.h"
#include "zippicturesource.h"

QStringList showCurrentEntry(ZipPictureSource& zip, Picture& picture)
{
    if (zip.currentSize() > static_cast<quint64>(MaxPictureBytes))
        return {EntryProblem::NoBuffer};
    QStringList problems;
    const std::optional<QByteArray> bytes = zip.extract();
    if (!bytes)
        problems << EntryProblem::BufferError;
    if (!picture.loadFromMemory(bytes.value_or(QByteArray())))
        problems << EntryProblem::CantCreatePicture;
    return problems;
}

QStringList loadPictureAt(Picture& picture, ZipPictureSource& zip, const QString& path,
                          int zipIndex)
{
    if (!isArchivePath(path)) {
        picture.loadFromFile(path);
        return {};
    }
    picture.release();
    if (!zip.open(path) || !zip.goToPicture(zipIndex))
        return {};
    return showCurrentEntry(zip, picture);
}
