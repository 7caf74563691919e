// Regular file: the checks made before the game opens or replaces a file.
#include "regularfile.h"

#include <QFile>
#include <QFileInfo>
#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

bool isRegularFile(const QString& path)
{
    // QFileInfo::isFile() is false for FIFOs, sockets and devices; lstat-free, so a symbolic
    // link is judged by what it points to.
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool isSameFile(const QString& path, const QString& other)
{
#if defined(Q_OS_UNIX)
    struct stat one {};
    struct stat two {};
    return !path.isEmpty() && !other.isEmpty() &&
           stat(QFile::encodeName(path).constData(), &one) == 0 &&
           stat(QFile::encodeName(other).constData(), &two) == 0 && one.st_dev == two.st_dev &&
           one.st_ino == two.st_ino;
#else
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(other).canonicalFilePath();
#endif
}
