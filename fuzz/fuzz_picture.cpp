// Fuzz target: Picture::loadFromMemory on any bytes.
#include "fuzzinput.h"
#include "pictures/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Picture picture;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (picture.loadFromMemory(bytes) && picture.saveEncoded() != bytes)
        __builtin_trap();
    return 0;
}
