// Test files: small helpers for tests that put files on disk or read the corpus.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <csignal>
#include <sys/resource.h>
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

// While it lives, no file of this process grows past the limit, as on a full disk: a write
// beyond it fails with "File too large" instead of the signal that would end the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
        : previous_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*previous_)(int);
    rlimit saved_{};
};

#ifdef TW_TEST_DATA
// A file of the committed test corpus.
inline QString testData(const QString& name)
{
    return QStringLiteral(TW_TEST_DATA "/") + name;
}
#endif
