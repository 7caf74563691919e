// FolderScanner: the picture files and picture archives of one folder, for a random pick.
#include "folderscanner.h"

#include "platform/randomengine.h"
#include "zippicturesource.h"

#include <QDir>

const QStringList FolderScanner::PicturePatterns{QStringLiteral("*.bmp"), QStringLiteral("*.gif"),
                                                 QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"),
                                                 QStringLiteral("*.zip")};

QStringList FolderScanner::scan(const QString& folder)
{
    FolderScanner scanner;
    scanner.setFolder(folder);
    for (const QString& pattern : PicturePatterns)
        scanner.addFiles(pattern);
    return scanner.files();
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

void FolderScanner::setFolder(const QString& path)
{
    root_ = normalisedFolder(path);
}

void FolderScanner::addFiles(const QString& pattern)
{
    if (root_.isEmpty())
        return;
    const QDir folder(root_);
    const QFileInfoList found =
        folder.entryInfoList({pattern}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : found) {
        const QString path = file.filePath();
        if (isArchivePath(path) && !ZipPictureSource::containsPicture(path))
            continue;
        files_.append(path);
    }
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
