// FolderScanner: the picture files and picture archives of one folder, for a random pick.
#include "folderscanner.h"

#include "platform/randomengine.h"
#include "zippicturesource.h"

#include <QDir>
#include <vector>

const QStringList FolderScanner::PicturePatterns{QStringLiteral("*.bmp"), QStringLiteral("*.gif"),
                                                 QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"),
                                                 QStringLiteral("*.zip")};

QStringList FolderScanner::scan(const QString& path)
{
    const QString root = normalisedFolder(path);
    if (root.isEmpty())
        return {};
    // One listing for every pattern; sorted once, so each group below comes out sorted.
    const QFileInfoList found = QDir(root).entryInfoList(
        PicturePatterns, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    std::vector<QStringList> groups(PicturePatterns.size());
    for (const QFileInfo& file : found) {
        const QString name = file.fileName();
        for (std::size_t group = 0; group < groups.size(); ++group) {
            const QStringView extension = QStringView(PicturePatterns[group]).mid(1);
            if (!name.endsWith(extension, Qt::CaseInsensitive))
                continue;
            if (!isArchivePath(name) || holdsPicture(file))
                groups[group].append(file.filePath());
            break;
        }
    }
    QStringList files;
    for (const QStringList& group : groups)
        files += group;
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
