// Regular file: the check made before the game opens anything for reading.
#pragma once

#include <QString>

// Whether the path names a regular file (a link to one counts). A FIFO, socket or device
// would block open() or stream forever, so callers treat anything else as unreadable.
bool isRegularFile(const QString& path);
