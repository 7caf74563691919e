// FolderScanner: the picture files and picture archives of one folder, for a random pick.
#include "folderscanner.h"

#include "pictureformats.h"
#include "platform/randomengine.h"
#include "zippicturesource.h"

#include <QDir>
#include <QDirIterator>
#include <algorithm>
#include <vector>

const QStringList FolderScanner::PicturePatterns = picturePatterns();

QStringList FolderScanner::scan(const QString& path)
{
    const QString root = normalisedFolder(path);
    if (root.isEmpty())
        return {};
    struct Found {
        qsizetype group; // the index of the first pattern the name matches
        QString key;     // the name case-folded: compared as it is, it sorts case-blind
        QString path;
    };
    // One listing for all the patterns; QDir's own filters and sorting cost several times
    // what the listing does on a folder of tens of thousands of pictures.
    std::vector<Found> found;
    QDirIterator listing(QDir(root, QString(), QDir::NoSort, QDir::Files | QDir::Hidden));
    while (listing.hasNext()) {
        listing.next();
        const QString name = listing.fileName();
        for (qsizetype group = 0; group < PicturePatterns.size(); ++group) {
            const QStringView extension = QStringView(PicturePatterns[group]).mid(1);
            if (name.endsWith(extension, Qt::CaseInsensitive)) {
                found.push_back({group, name.toCaseFolded(), listing.filePath()});
                break;
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.group != b.group ? a.group < b.group : a.key < b.key;
    });
    QStringList files;
    for (const Found& file : found)
        if (!isArchivePath(file.path) || holdsPicture(QFileInfo(file.path)))
            files.append(file.path);
    return files;
}

QString FolderScanner::normalisedFolder(const QString& path)
{
    QString folder = QDir::fromNativeSeparators(path);
    for (;;) {
        QString trimmed = folder;
        while (!trimmed.isEmpty() && trimmed.back().isSpace())
            trimmed.chop(1);
        if (trimmed.size() <= 1 || !trimmed.endsWith(QLatin1Char('/')))
            return folder;
        folder = trimmed.chopped(1);
    }
}

bool FolderScanner::holdsPicture(const QFileInfo& archive)
{
    const QString path = archive.filePath();
    const qint64 size = archive.size();
    const QDateTime modified = archive.lastModified();
    const auto known = archives_.constFind(path);
    if (known != archives_.cend() && known->size == size && known->modified == modified)
        return known->holdsPicture;
    const bool holds = ZipPictureSource::containsPicture(path);
    archives_.insert(path, {size, modified, holds});
    return holds;
}

std::optional<QString> pickRandomPicture(const QStringList& files, const QString& picturePath,
                                         RandomEngine& random)
{
    if (files.isEmpty())
        return std::nullopt;
    int pick = random.below(static_cast<int>(files.size()));
    if (files[pick] == picturePath && files.size() > 1)
        pick = pick == 0 ? 1 : pick - 1;
    return files[pick];
}

bool isArchivePath(const QString& path)
{
    return path.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
}
