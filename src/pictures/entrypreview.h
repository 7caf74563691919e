// Entry preview: shows an archive's current picture, listing what went wrong for the player.
#pragma once

#include "picture.h"

#include <QString>
#include <QStringList>

class ZipPictureSource;

namespace EntryProblem {
// Source texts in the context "EntryProblem", translated where they are shown.
inline const QString NoBuffer =
    QStringLiteral(QT_TRANSLATE_NOOP("EntryProblem", "Couldnt create image buffer"));
inline const QString BufferError =
    QStringLiteral(QT_TRANSLATE_NOOP("EntryProblem", "Buffer Error"));
inline const QString CantCreatePicture =
    QStringLiteral(QT_TRANSLATE_NOOP("EntryProblem", "Cant Create Picture"));
} // namespace EntryProblem

// Loads the source's current picture into the Picture. An entry too large to hold leaves the
// Picture as it was; any other failure leaves it empty. An entry that cannot be extracted
// whole (short, long or failing its checksum) is unreadable.
PictureLoad loadCurrentEntry(ZipPictureSource& zip, Picture& picture, const PictureFit& fit = {});

// Loads the source's current picture into the Picture. Returns the problems in the order a
// dialog reports them, one message box each; empty when the picture is shown. An entry too
// large to hold leaves the Picture as it was; any other failure leaves it empty.
QStringList showCurrentEntry(ZipPictureSource& zip, Picture& picture, const PictureFit& fit = {});
