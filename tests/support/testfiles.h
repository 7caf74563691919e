// Test files: small helpers for tests that put files on disk or read the corpus.
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

// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef TW_TEST_DATA
// A file of the committed test corpus.
inline QString testData(const QString& name)
{
    return QStringLiteral(TW_TEST_DATA "/") + name;
}
#endif
