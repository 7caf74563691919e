// Test files: small helpers for tests that put files on disk or read the corpus.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <sys/stat.h>

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

// Makes a FIFO: opening it for reading would block until a writer comes, which none does.
inline bool makeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

#ifdef TW_TEST_DATA
// A file of the committed test corpus.
inline QString testData(const QString& name)
{
    return QStringLiteral(TW_TEST_DATA "/") + name;
}
#endif
