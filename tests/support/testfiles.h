// Test files: small helpers for tests that put files on disk.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes the bytes to a new file; false when it could not be written.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
