// FolderScanner: the picture files and picture archives of one folder, for a random pick.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class QFileInfo;
class RandomEngine;

// Lists files of one folder, never of its subfolders. Archives (".zip" at the end of the
// name, any case) are listed only when they hold at least one picture. What it learnt of an
// archive is kept for the scanner's life, and looked at again once the archive's size or
// modification time changes.
class FolderScanner {
public:
    // The patterns of a picture-folder scan, in the order their groups are listed; each is
    // "*" followed by an extension.
    static const QStringList PicturePatterns;

    // The picture files and archives of a folder: each pattern's files sorted by name. The
    // folder is listed once.
    QStringList scan(const QString& folder);

    // Trailing separators go (with any white space after them); the root stays itself.
    static QString normalisedFolder(const QString& path);

private:
    struct ArchiveVerdict {
        qint64 size;
        QDateTime modified;
        bool holdsPicture;
    };

    bool holdsPicture(const QFileInfo& archive);

    QHash<QString, ArchiveVerdict> archives_;
};

// The path to load next: a random one of the files, but not the current picture while
// another is there. Nothing when the list is empty.
std::optional<QString> pickRandomPicture(const QStringList& files, const QString& picturePath,
                                         RandomEngine& random);

// Whether the path names a ZIP archive, judged by its extension alone.
bool isArchivePath(const QString& path);
