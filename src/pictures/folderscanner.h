// FolderScanner: the picture files and picture archives of one folder, for a random pick.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class RandomEngine;

// Lists files of one folder, never of its subfolders. Archives (".zip" at the end of the
// name, any case) are listed only when they hold at least one picture.
class FolderScanner {
public:
    // The patterns of a picture-folder scan, in the order their groups are listed.
    static const QStringList PicturePatterns;

    // The picture files and archives of a folder: each pattern's files sorted by name.
    static QStringList scan(const QString& folder);

    // Trailing separators go (with any white space after them); the root stays itself.
    static QString normalisedFolder(const QString& path);

    void setFolder(const QString& path);
    // Appends the folder's files that match the pattern, without regard to case.
    void addFiles(const QString& pattern);
    const QStringList& files() const { return files_; }

private:
    QString root_;
    QStringList files_;
};

// The path to load next: a random one of the files, but not the current picture while
// another is there. Nothing when the list is empty.
std::optional<QString> pickRandomPicture(const QStringList& files, const QString& picturePath,
                                         RandomEngine& random);

// Whether the path names a ZIP archive, judged by its extension alone.
bool isArchivePath(const QString& path);
