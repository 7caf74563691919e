// Fuzz target: Picture::loadFromMemory on any bytes, decoding a quarter of each side.
#include "fuzzinput.h"
#include "pictures/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Picture picture;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PictureFit quarter = [](QSize natural) {
        return natural / 4;
    };
    if (!picture.loadFromMemory(bytes, quarter))
        return 0;
    const QSize pixels = picture.pixels().size();
    if (picture.saveEncoded() != bytes || pixels.isEmpty() || pixels.width() > picture.width() ||
        pixels.height() > picture.height())
        __builtin_trap();
    return 0;
}
