// Regular file: the check made before the game opens anything for reading.
#include "regularfile.h"

#include <QFileInfo>

bool isRegularFile(const QString& path)
{
    // QFileInfo::isFile() is false for FIFOs, sockets and devices; lstat-free, so a symbolic
    // link is judged by what it points to.
    return !path.isEmpty() && QFileInfo(path).isFile();
}
