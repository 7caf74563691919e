// Entry preview: shows an archive's current picture, listing what went wrong for the player.
#pragma once

#include <QString>
#include <QStringList>

class Picture;
class ZipPictureSource;

namespace EntryProblem {
inline const QString NoBuffer = QStringLiteral("Couldnt create image buffer");
inline const QString BufferError = QStringLiteral("Buffer Error");
inline const QString CantCreatePicture = QStringLiteral("Cant Create Picture");
} // namespace EntryProblem

// Loads the source's current picture into the Picture. Returns the problems in the order a
// dialog reports them, one message box each; empty when the picture is shown. An entry too
// large to hold leaves the Picture as it was; any other failure leaves it empty.
QStringList showCurrentEntry(ZipPictureSource& zip, Picture& picture);

// Loads the picture a window shows: the picture at a 1-based position of an archive (an
// archive path), or a picture file. Returns the problems of showing an archive's entry, as
// above; an archive that cannot be opened or has no such position leaves the Picture empty
// without a problem to report.
QStringList loadPictureAt(Picture& picture, ZipPictureSource& zip, const QString& path,
                          int zipIndex);
