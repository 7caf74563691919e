// Puzzle loader: which picture a puzzle is cut from, and loading it, never failing to show one.
#pragma once

#include "pictures/folderscanner.h"
#include "pictures/picture.h"
#include "pictures/zippicturesource.h"

#include <QByteArray>
#include <QString>

class RandomEngine;

// The picture a puzzle is cut from, as the player chose it.
struct PictureSource {
    QString picturePath; // the picture file, or the archive holding the picture
    int zipIndex = 0;    // 1-based position among the archive's picture entries
    int zipCount = 0;    // number of picture entries in that archive
    bool defaultPictureShown = false;
    bool giftMode = false;
    QByteArray giftPicture; // a gift's picture, kept in memory: no file of it is written
};

// The picture path of a gift's picture, which lives in PictureSource::giftPicture alone.
inline const QString GiftPictureName = QStringLiteral("gift.bmp");

// Owns the picture and where it comes from. Whatever cannot be found, opened or decoded
// gives the built-in picture instead, and defaultPictureShown says which happened; an
// archive stays open between loads. Pixels are decoded as each call's fit asks.
class PuzzleLoader {
public:
    // The engine must outlive the loader.
    explicit PuzzleLoader(RandomEngine& random);

    const Picture& picture() const { return picture_; }
    const PictureSource& source() const { return source_; }
    // The picture is an archive's, so New may draw from the archive.
    bool showsArchive() const;

    // A random file of the folder (as the scanner lists it) other than the current one, and
    // in an archive a random picture.
    void loadRandom(const QString& folder, const PictureFit& fit);
    // The current file again, at its remembered position in an archive.
    void loadCurrent(const PictureFit& fit);
    // A picture file or archive as Open chose it, at that position of that many pictures.
    void open(const QString& path, int zipIndex, int zipCount, const PictureFit& fit);
    // Another random picture of the current archive; false, nothing loaded, when it holds
    // no other.
    bool loadOtherFromZip(const PictureFit& fit);
    // A gift's picture, served from memory from now on while the gift's picture is chosen.
    void loadGift(QByteArray picture, const PictureFit& fit);
    // A kept game's picture in place of the current one; false, nothing changed, when it
    // can no longer be shown.
    bool loadKept(const QString& path, int zipIndex, bool builtIn, const PictureFit& fit);
    // Decodes the picture again if its pixels fall short of the fit; the built-in picture
    // when that fails.
    void cover(const PictureFit& fit);

private:
    bool load(PictureSource& source, Picture& picture, bool randomPick, const PictureFit& fit);
    void showChosen(bool shown, const PictureFit& fit);

    RandomEngine& random_;
    PictureSource source_;
    Picture picture_;
    ZipPictureSource zip_;
    FolderScanner folderScanner_; // remembers which archives hold pictures
};
