// Fuzz target: Picture::loadFromMemory on any bytes.
#include "pictures/picture.h"

#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The JPEG and GIF decoders are plugins, found through the application object.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Picture picture;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (picture.loadFromMemory(bytes) && picture.saveEncoded() != bytes)
        __builtin_trap();
    return 0;
}
