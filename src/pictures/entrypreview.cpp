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

QStringList loadPicture(Picture& picture, ZipPictureSource& zip, const PictureSource& source)
{
    if (source.builtIn) {
        picture.loadBuiltIn();
        return {};
    }
    if (source.bytes) {
        picture.loadFromMemory(*source.bytes);
        return {};
    }
    if (!isArchivePath(source.path)) {
        picture.loadFromFile(source.path);
        return {};
    }
    picture.release();
    if (!zip.open(source.path) || !zip.goToPicture(source.zipIndex))
        return {};
    return showCurrentEntry(zip, picture);
}
