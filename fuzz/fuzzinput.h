// Fuzz input: the application object the Qt code needs, and each input as a file on disk.
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

// Makes the application object once; the decoders are plugins found through it. Each
// target includes this header once.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

// Writes the input to the named file of a private folder; its path, or empty on failure.
inline QString inputFile(const QString& name, const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size))
        return {};
    return path;
}
