// ZipPictureSource: the pictures inside one ZIP archive, seen as a list with 1-based positions.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QTemporaryDir;

// An entry is a picture when its name ends in .jpg, .bmp or .gif (any case) and its first 58
// bytes hold a BMP, JPEG (JFIF or Exif) or GIF marker, or when it is named .png, .webp,
// .tif or .tiff and starts with that format's signature. Open reads every entry's header once
// and remembers where the pictures are, so moving among them reads nothing.
class ZipPictureSource {
public:
    ZipPictureSource();
    ~ZipPictureSource();
    ZipPictureSource(const ZipPictureSource&) = delete;
    ZipPictureSource& operator=(const ZipPictureSource&) = delete;

    // Closes what was open, then opens the archive positioned on its first picture. False
    // only when the file is no readable archive; one without pictures is closed again
    // (count() is then -1) and the result is still true.
    bool open(const QString& path);
    // Closes the archive and removes the scratch file.
    void close();

    bool isOpen() const { return archive_ != nullptr; }
    // The number of pictures while open; -1 when closed.
    int count() const;
    // The 1-based position of the current picture; 0 when closed.
    int position() const;

    // Each is false, changing nothing, when closed or when there is no such picture.
    bool goToFirstPicture();
    bool goToNextPicture();
    bool goToPreviousPicture();
    bool goToPicture(int position);
    // The picture whose stored name matches without regard to case.
    bool locateByName(const QString& name);

    // The current picture's stored name, folders separated by "/"; empty when closed.
    QString currentName() const;
    // Its declared uncompressed size; 0 when closed.
    quint64 currentSize() const;

    // The current picture's bytes. Nothing for a closed source, an entry declared larger than
    // the picture limit, or one whose data is short, long or fails its checksum.
    std::optional<QByteArray> extract();
    // Extracts into the scratch file, a private temporary file removed by close().
    bool extractToScratch();
    QString scratchPath() const;

    // Whether the archive holds at least one picture; stops looking at the first.
    static bool containsPicture(const QString& path);

private:
    struct Entry {
        quint64 directoryOffset; // where minizip finds the entry again
        quint64 fileNumber;
        QByteArray name;
        quint64 size;
    };

    bool openArchive(const QString& path);
    void findPictures(bool stopAtFirst);

    void* archive_ = nullptr; // minizip's unzFile
    std::vector<Entry> pictures_;
    std::size_t current_ = 0;
    std::unique_ptr<QTemporaryDir> scratchFolder_;
};
