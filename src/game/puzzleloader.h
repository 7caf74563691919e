// Puzzle loader: which picture a puzzle is cut from, and loading it, never failing to show one.
#pragma once

#include "pictures/backgroundtask.h"
#include "pictures/folderscanner.h"
#include "pictures/picture.h"
#include "pictures/zippicturesource.h"

#include <QByteArray>
#include <QString>
#include <optional>

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

// A picture the player chose that could not be shown, and why.
struct UnshownPicture {
    QString path;  // the file or archive; GiftPictureName for a gift's
    QString entry; // in an archive, the picture's name there
    PictureLoad why;
};

// What a load is to show: where the picture comes from, decided on the window's thread (where
// the random picks are drawn), so that anything may fetch it.
struct PictureRequest {
    PictureSource source;
    // A fault found in deciding (an archive without pictures): nothing is read for it.
    PictureLoad decided;
};

// A request's picture, or the built-in one in its place, and why.
struct FetchedPicture {
    Picture picture;
    PictureLoad load;
    int zipCount = 0; // an archive's pictures, as the fetch found them
    QString entry;    // in an archive, the picture's name there
};

extern template class BackgroundTask<FetchedPicture>;

// Reads and decodes the request's picture at the fit; the built-in picture when that fails.
// It touches nothing but what it is given, so it runs on any thread.
FetchedPicture fetchPicture(const PictureRequest& request, const PictureFit& fit);
// The same on one of the task's threads; done then gets the picture on this one.
void fetchInBackground(BackgroundTask<FetchedPicture>& task, const PictureRequest& request,
                       const PictureFit& fit, BackgroundTask<FetchedPicture>::Done done);

// Owns the picture and where it comes from. Whatever cannot be found, opened or decoded
// gives the built-in picture instead, and defaultPictureShown says which happened. Pixels
// are decoded as each call's fit asks.
//
// A load is a request (decided at once), a fetch (the slow part, on any thread) and a show.
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
    PictureRequest randomRequest(const QString& folder);
    // The current file again, at its remembered position in an archive.
    PictureRequest currentRequest() const;
    // A picture file or archive as Open chose it, at that position of that many pictures.
    PictureRequest openRequest(const QString& path, int zipIndex, int zipCount);
    // Another random picture of the current archive; nothing when it holds no other.
    std::optional<PictureRequest> otherFromZipRequest();
    // A gift's picture, served from memory from now on while the gift's picture is chosen.
    PictureRequest giftRequest(QByteArray picture) const;
    // A kept game's picture.
    PictureRequest keptRequest(const QString& path, int zipIndex, bool builtIn) const;

    // Shows what was fetched for the request; when that is the built-in picture in place of
    // the one asked for, says which and why.
    std::optional<UnshownPicture> show(PictureRequest request, FetchedPicture fetched);
    // Shows a kept game's picture; when it cannot be, changes nothing and says why.
    std::optional<UnshownPicture> showKept(PictureRequest request, FetchedPicture fetched);

    // The random pick and a file opened, requested, fetched and shown at once.
    void loadRandom(const QString& folder, const PictureFit& fit);
    std::optional<UnshownPicture> open(const QString& path, int zipIndex, int zipCount,
                                       const PictureFit& fit);
    // Decodes the picture again if its pixels fall short of the fit; the built-in picture
    // when that fails.
    void cover(const PictureFit& fit);

private:
    // The current source, to be chosen again or changed.
    PictureRequest chosen() const;

    RandomEngine& random_;
    PictureSource source_;
    Picture picture_;
    FolderScanner folderScanner_; // remembers which archives hold pictures
};
