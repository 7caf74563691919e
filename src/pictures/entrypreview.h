// Entry preview: shows an archive's current picture, listing what went wrong for the player.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

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

// Where the game's current picture comes from.
struct PictureSource {
    QString path;     // a picture file, or an archive
    int zipIndex = 0; // the 1-based position in the archive
    bool builtIn = false;
    std::optional<QByteArray> bytes; // the picture itself, when no file holds it
};

// Loads the picture a window shows: the built-in one, the bytes given, the picture at its
// position in an archive, or a picture file. Returns the problems of showing an archive's
// entry, as above; an archive that cannot be opened or has no such position leaves the
// Picture empty without a problem to report.
QStringList loadPicture(Picture& picture, ZipPictureSource& zip, const PictureSource& source);
