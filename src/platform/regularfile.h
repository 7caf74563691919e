// Regular file: the checks made before the game opens or replaces a file.
#pragma once

#include <QString>

// Whether the path names a regular file (a link to one counts). A FIFO, socket or device
// would block open() or stream forever, so callers treat anything else as unreadable.
bool isRegularFile(const QString& path);
// Whether the two paths name one file (links followed): writing one would replace the
// other, whatever their names. False when either is not there.
bool isSameFile(const QString& path, const QString& other);
