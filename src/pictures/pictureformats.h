// Picture formats: every kind of picture file the game reads, in one table.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

struct PictureFormat {
    QByteArray readerName;    // the format as Qt's image reader names it
    QString name;             // as players know it
    QStringList mimeTypes;    // for the desktop entry
    QStringList extensions;   // lower case, dot included; the first is the usual one
    QStringList archiveNames; // the extensions an archive entry of this format may carry
    bool sinceFirstRelease;   // BMP, GIF and JPEG; the later ones are listed after archives
    // Later formats: whether an archive entry's first bytes carry this format's signature.
    bool (*hasSignature)(QByteArrayView head);
    // The widest pixels its decoder hands over, for a reader that cannot tell beforehand.
    int widestPixelBits;
    // Whether its decoder skips detail to decode at a half, a quarter or an eighth of the size.
    bool decodesReduced;
    // How many pictures of its own output's size the decoder holds at once at most.
    int decoderPictures;
};

// The entry of the format Qt's reader names so; nullptr for a format the game does not show.
const PictureFormat* pictureFormatNamed(const QByteArray& readerName);

// BMP, GIF, JPEG, then PNG, WebP, TIFF, HEIF, AVIF and JPEG XL.
const std::vector<PictureFormat>& pictureFormats();

// Whether a path ends in a picture file's extension (any case); archives are not pictures.
bool hasPictureExtension(const QString& path);

// "*.bmp", "*.gif", "*.jpg", "*.jpeg", "*.zip", then the later formats' patterns.
QStringList picturePatterns();
// The open dialog's filter: its label, and the patterns behind it.
QString openFilterLabel();
QString openFilterPatterns();
// Every picture format's MIME type, for the desktop entry: archives are left out, so the game
// is never offered for every ZIP archive on the system (Open still takes them).
QStringList pictureMimeTypes();
